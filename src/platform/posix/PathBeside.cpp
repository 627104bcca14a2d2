#include "platform/Path.h"

namespace morvalent::platform {

std::u16string PathBesideFile(std::u16string_view file, std::u16string_view path) {
    if (IsAbsolutePath(path)) return std::u16string(path);
    const auto slash = file.rfind(u'/');
    std::u16string whole(file.substr(0, slash == std::u16string_view::npos ? 0 : slash));
    whole.push_back(u'/');
    whole += path;
    return whole;
}

}  // namespace morvalent::platform
