#include "filelist/IconCache.h"

namespace morvalent::filelist {

std::int32_t IconCache::GetIconIndex(std::u16string_view extension, bool isFolder) {
    if (isFolder) {
        if (folderIconIndex_ == -1) folderIconIndex_ = source_.IconIndexFor(extension, true);
        return folderIconIndex_;
    }
    auto it = byExtension_.find(extension);
    if (it != byExtension_.end()) return it->second;
    const std::int32_t index = source_.IconIndexFor(extension, false);
    byExtension_.emplace(std::u16string(extension), index);
    return index;
}

}  // namespace morvalent::filelist
