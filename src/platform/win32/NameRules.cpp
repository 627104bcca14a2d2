#include <windows.h>

#include "platform/NameRules.h"
#include "platform/Surrogates.h"
#include "platform/win32/WindowsNames.h"

namespace morvalent::platform {
namespace {

// Parts of a path longer than this are refused by NTFS and FAT alike; whole paths
// reach the system in extended-length form, up to its limit less the "\\?\" prefix.
constexpr std::size_t kMaxNameUnits = 255;
constexpr std::size_t kMaxPathUnits = 32767 - 4;

}  // namespace

// Some file systems (and Wine) accept characters that Windows refuses, ':' would
// name a stream of another file, and a trailing dot or space would be dropped
// without a word.
bool IsAcceptableName(std::wstring_view name) {
    return !BreaksWindowsNameRules(
        std::u16string_view(reinterpret_cast<const char16_t*>(name.data()), name.size()));
}

std::u16string NameOnDiskKey(std::u16string_view name) {
    if (name.empty()) return {};
    std::u16string key(name.size(), u'\0');
    // Upper case without a language's special rules is how NTFS matches names.
    const int written =
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE,
                      reinterpret_cast<const wchar_t*>(name.data()), int(name.size()),
                      reinterpret_cast<wchar_t*>(key.data()), int(key.size()), nullptr, nullptr, 0);
    if (written <= 0) return std::u16string(name);
    key.resize(std::size_t(written));
    return key;
}

NameFault CheckTargetName(std::u16string_view folder, std::u16string_view name) {
    std::size_t partStart = 0;
    bool tooLong = folder.size() + 1 + name.size() > kMaxPathUnits;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        if (c == u'\0') return NameFault::Forbidden;
        // Such a unit names nothing the commit can write (see Utf16ToNative).
        if (IsLoneSurrogateAt(name, i)) return NameFault::Forbidden;
        if (IsPathSeparator(c)) {
            tooLong = tooLong || i - partStart > kMaxNameUnits;
            partStart = i + 1;
        }
    }
    const std::u16string_view last = name.substr(partStart);
    const std::wstring_view wideLast(reinterpret_cast<const wchar_t*>(last.data()), last.size());
    if (!IsAcceptableName(wideLast)) return NameFault::Forbidden;
    return tooLong || last.size() > kMaxNameUnits ? NameFault::TooLong : NameFault::None;
}

}  // namespace morvalent::platform
