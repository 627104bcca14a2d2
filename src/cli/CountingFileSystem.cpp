#include "cli/CountingFileSystem.h"

namespace morvalent::cli {

std::optional<bool> CountingFileSystem::IsFolder(std::u16string_view path) {
    return inner_.IsFolder(path);
}

std::optional<platform::FileInfo> CountingFileSystem::ReadInfo(std::u16string_view path) {
    ++count_;
    return inner_.ReadInfo(path);
}

bool CountingFileSystem::ListFolder(std::u16string_view folder,
                                    std::vector<platform::FolderItem>& items) {
    // The listing replaces what `items` held.
    const bool listed = inner_.ListFolder(folder, items);
    count_ += items.size();
    return listed;
}

platform::MoveOutcome CountingFileSystem::MoveNoReplace(std::u16string_view source,
                                                        std::u16string_view target) {
    ++count_;
    return inner_.MoveNoReplace(source, target);
}

std::optional<platform::FileIdentity> CountingFileSystem::ReadIdentity(std::u16string_view path) {
    return inner_.ReadIdentity(path);
}

std::vector<std::optional<platform::FileIdentity>> CountingFileSystem::ReadIdentities(
    const std::vector<std::u16string_view>& paths) {
    return inner_.ReadIdentities(paths);
}

}  // namespace morvalent::cli
