#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::platform {
namespace {

namespace fs = std::filesystem;

// Whether the path is absolute and every part is a name: no empty, "." or ".." part,
// no trailing separator (the root alone excepted).
bool InNormalForm(std::u16string_view path) {
    if (path.empty() || path.front() != u'/') return false;
    std::size_t start = 1;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find(u'/', start), path.size());
        const std::u16string_view part = path.substr(start, end - start);
        if (part.empty() || part == u"." || part == u"..") return false;
        if (end == path.size()) break;
        start = end + 1;
        // A separator at the very end leaves an empty last part.
        if (start == path.size()) return false;
    }
    return true;
}

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

// Textual where that is the system's meaning too; ".." goes up from where a link
// leads, so a path with it (or a relative one) takes FullPath's way on disk.
std::u16string NormalisePath(std::u16string_view path) {
    if (path.empty()) return {};
    if (!IsAbsolutePath(path)) return FullPath(path);
    std::u16string out;
    out.reserve(path.size());
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find(u'/', start);
        if (end == std::u16string_view::npos) end = path.size();
        const std::u16string_view part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == u".") continue;
        if (part == u"..") return FullPath(path);
        out.push_back(u'/');
        out.append(part);
    }
    if (out.empty()) out.push_back(u'/');
    return out;
}

std::u16string_view NormalisePath(std::u16string_view path, std::u16string& room) {
    if (path.empty() || InNormalForm(path)) return path;
    room = NormalisePath(path);
    return room;
}

}  // namespace morvalent::platform
