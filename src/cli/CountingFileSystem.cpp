#include "cli/CountingFileSystem.h"

namespace morvalent::cli {

std::optional<platform::FileInfo> CountingFileSystem::ReadInfo(std::u16string_view path) {
    ++count_;
    return ForwardingFileSystem::ReadInfo(path);
}

bool CountingFileSystem::ListFolder(std::u16string_view folder,
                                    std::vector<platform::FolderItem>& items) {
    // The listing replaces what `items` held.
    const bool listed = ForwardingFileSystem::ListFolder(folder, items);
    count_ += items.size();
    return listed;
}

bool CountingFileSystem::ListNames(std::u16string_view folder, std::vector<std::u16string>& names) {
    const bool listed = ForwardingFileSystem::ListNames(folder, names);
    count_ += names.size();
    return listed;
}

// Each move counts, alone or in a run.
platform::MoveOutcome CountingFileSystem::Move(std::u16string_view, std::u16string_view,
                                               const InnerMove& inner) {
    ++count_;
    return inner();
}

}  // namespace morvalent::cli
