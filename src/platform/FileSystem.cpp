#include "platform/FileSystem.h"

namespace morvalent::platform {

bool FileSystem::ListNames(std::u16string_view folder, std::vector<std::u16string>& names) {
    names.clear();
    std::vector<FolderItem> items;
    if (!ListFolder(folder, items)) return false;
    names.reserve(items.size());
    for (FolderItem& item : items) names.push_back(std::move(item.name));
    return true;
}

}  // namespace morvalent::platform
