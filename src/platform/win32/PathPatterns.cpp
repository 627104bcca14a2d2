#include <windows.h>

#include "platform/NameRules.h"
#include "platform/Path.h"
#include "platform/win32/PathForms.h"
#include "platform/win32/WideText.h"

namespace morvalent::platform {
namespace {

// '*' any run of characters, '?' one character; both sides already in the file
// system's case-blind form.
bool Matches(std::u16string_view pattern, std::u16string_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::u16string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            starName = n;
        } else if (starAt != std::u16string_view::npos) {
            p = starAt + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

}  // namespace

std::vector<std::u16string> ExpandPathArgument(std::u16string_view argument) {
    const std::size_t nameStart = argument.find_last_of(u"\\/:") + 1;
    const std::u16string_view pattern = argument.substr(nameStart);
    if (pattern.find_first_of(u"*?") == std::u16string_view::npos) {
        return {std::u16string(argument)};
    }
    const std::u16string_view folder = argument.substr(0, nameStart);
    // "*.jpg" alone is in the current folder.
    std::u16string base = folder.empty() ? std::u16string(u".\\") : std::u16string(folder);
    if (!IsPathSeparator(base.back())) base.push_back(u'\\');
    auto search = ExtendedPath(base + u"*");
    if (folder.size() == 2 && folder[1] == u':') {
        // "C:*.txt" is in drive C's current folder.
        search = ExtendedPath(FullPath(folder) + u"\\*");
    }
    std::vector<std::u16string> found;
    if (!search) return found;
    WIN32_FIND_DATAW data;
    HANDLE handle = FindFirstFileExW(search->c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, 0);
    if (handle == INVALID_HANDLE_VALUE) return found;
    // Matched against the long names only: the system's own matching also tries
    // the short ones, where "*.jpg" finds "photo.jpeg" as "PHOTO~1.JPG".
    const std::u16string key = NameOnDiskKey(pattern);
    do {
        const std::u16string name = FromWide(data.cFileName);
        if (name == u"." || name == u"..") continue;
        if (Matches(key, NameOnDiskKey(name))) found.push_back(std::u16string(folder) + name);
    } while (FindNextFileW(handle, &data));
    FindClose(handle);
    return found;
}

}  // namespace morvalent::platform
