#include "platform/NameRules.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::platform {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool IsDriveLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

}  // namespace

// Windows treats README and readme, été and ÉTÉ, as one file: listed paths are
// compared under the file system's own case rule, the key NameOnDiskKey gives.
std::u16string PathIdentityKey(std::u16string_view path) { return NameOnDiskKey(path); }

// Names are UTF-16 on disk too.
bool ConvertsExactly(std::u16string_view) { return true; }

// "C:\a" and "\\server\share\a" (with "\\?\" forms among them). "\a" and "C:a" are
// not: they depend on the current drive or on that drive's current folder.
bool IsAbsolutePath(std::u16string_view path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == u':' && IsSeparator(path[2])) {
        return true;
    }
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

}  // namespace morvalent::platform
