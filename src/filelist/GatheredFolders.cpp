#include "filelist/GatheredFolders.h"

namespace morvalent::filelist {

void GatheredFolders::Walked(std::u16string_view folder,
                             const std::optional<platform::FolderStamp>& stamp) {
    const auto at = stamps_.find(folder);
    if (at == stamps_.end()) {
        stamps_.emplace(std::u16string(folder), stamp);
    } else if (!stamp || !at->second || !at->second->SameFolderAsBefore(*stamp)) {
        at->second.reset();
    }
}

const platform::FolderStamp* GatheredFolders::Settled(std::u16string_view folder) const {
    const auto at = stamps_.find(folder);
    if (at == stamps_.end() || !at->second || !at->second->settled) return nullptr;
    return &*at->second;
}

}  // namespace morvalent::filelist
