#include <filesystem>
#include <system_error>

#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::platform {
namespace {

namespace fs = std::filesystem;

fs::path WithoutTrailingSeparators(const fs::path& path) {
    fs::path result = path;
    while (!result.empty() && !result.has_filename() && result != result.root_path()) {
        result = result.parent_path();
    }
    return result;
}

}  // namespace

// Paths go to the system as bytes: names need not be UTF-8.
std::u16string FullPath(std::u16string_view path) {
    const auto native = Utf16ToNative(path);
    if (!native || native->empty()) return std::u16string(path);
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(*native), error);
    if (error) return std::u16string(path);
    const fs::path whole = WithoutTrailingSeparators(absolute);
    const fs::path name = whole.filename();
    fs::path resolved;
    if (whole == whole.root_path()) {
        resolved = whole;
    } else if (name == "." || name == "..") {
        // Names a folder, never a link of its own.
        resolved = fs::canonical(whole, error);
    } else {
        const fs::path parent = fs::canonical(whole.parent_path(), error);
        if (!error) resolved = parent / name;
    }
    if (error || resolved.empty()) resolved = WithoutTrailingSeparators(whole.lexically_normal());
    return Utf8ToUtf16(resolved.native());
}

}  // namespace morvalent::platform
