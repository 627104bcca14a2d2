#include "platform/win32/PathForms.h"

#include <vector>

#include "platform/Path.h"
#include "platform/win32/WideText.h"

namespace morvalent::platform {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// "\\?\" and "\\.\" paths go to the system as they are written.
bool IsSystemForm(std::u16string_view path) {
    return path.size() >= 4 && path[0] == u'\\' && path[1] == u'\\' &&
           (path[2] == u'?' || path[2] == u'.') && path[3] == u'\\';
}

// Where the parts after the root begin: after "C:\", or after "\\server\share\".
std::size_t RootLength(std::u16string_view path) {
    if (!IsSeparator(path[0])) return 3;
    std::size_t i = 2;
    for (int part = 0; part < 2; ++part) {
        while (i < path.size() && !IsSeparator(path[i])) ++i;
        if (part == 0 && i < path.size()) ++i;
    }
    return i;
}

}  // namespace

std::u16string TidyAbsolutePath(std::u16string_view path) {
    if (!IsAbsolutePath(path) || IsSystemForm(path)) return std::u16string(path);
    const std::size_t rootLength = RootLength(path);
    std::u16string root(path.substr(0, rootLength));
    for (char16_t& c : root) {
        if (c == u'/') c = u'\\';
    }
    if (root.back() != u'\\') root.push_back(u'\\');
    std::vector<std::u16string_view> names;
    std::u16string_view rest = path.substr(std::min(rootLength, path.size()));
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !IsSeparator(rest[end])) ++end;
        const std::u16string_view name = rest.substr(0, end);
        if (name == u"..") {
            // Windows goes up by the text, never above the root.
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != u".") {
            names.push_back(name);
        }
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    std::u16string tidy = root;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) tidy.push_back(u'\\');
        tidy += names[i];
    }
    // "\\server\share" names the share; only a drive root keeps its separator.
    if (names.empty() && root.size() > 3) tidy.pop_back();
    // A trailing separator says the item must be a folder: the system refuses a file.
    if (!names.empty() && IsSeparator(path.back())) tidy.push_back(u'\\');
    return tidy;
}

// Parts are left as written, as on Linux: "." and ".." are the file system's to
// read when the path is used.
std::u16string PathBesideFile(std::u16string_view file, std::u16string_view path) {
    std::u16string line(path);
    for (char16_t& c : line) {
        if (c == u'/') c = u'\\';
    }
    if (line.empty() || IsAbsolutePath(line)) return line;
    // "D:a" goes on from the current folder Windows keeps for drive D.
    if (line.size() >= 2 && line[1] == u':') return FullPath(line);
    const std::u16string list = TidyAbsolutePath(IsAbsolutePath(file) ? file : FullPath(file));
    if (!IsAbsolutePath(list)) return line;
    if (line[0] == u'\\') {
        const std::u16string root = list.substr(0, RootLength(list));
        return (root.back() == u'\\' ? root.substr(0, root.size() - 1) : root) + line;
    }
    return list.substr(0, list.rfind(u'\\')) + u'\\' + line;
}

std::optional<std::wstring> ExtendedPath(std::u16string_view path) {
    if (!WidePath(path)) return std::nullopt;
    if (IsSystemForm(path)) return WidePath(path);
    const std::u16string whole =
        TidyAbsolutePath(IsAbsolutePath(path) ? std::u16string(path) : FullPath(path));
    if (!IsAbsolutePath(whole) || IsSystemForm(whole)) return WidePath(whole);
    if (IsSeparator(whole[0])) return WidePath(u"\\\\?\\UNC\\" + whole.substr(2));
    return WidePath(u"\\\\?\\" + whole);
}

}  // namespace morvalent::platform
