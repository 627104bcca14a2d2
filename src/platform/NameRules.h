#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvalent::platform {

enum class NameFault { None, TooLong, Forbidden };

// Whether the system can give an item the path `folder`, separator, `name`, spelled
// exactly so. `name` may hold separators (a place below `folder`); every part must
// fit the file system's length limits (on Linux: each name NAME_MAX, the folder the
// item lands in PATH_MAX, as the commit renames inside that folder), and the last
// part, the item's own name,
// must use only characters the system allows.
NameFault CheckTargetName(std::u16string_view folder, std::u16string_view name);

// The rules a folder's file system holds names to beyond the system's own: Linux
// reaches FAT, exFAT and NTFS volumes, which refuse what Windows refuses.
enum class NameRuleSet : std::uint8_t { System, Windows };

// Whether a Windows file system (FAT, exFAT, NTFS) refuses `name`, one part of a
// path, or would change it without a word: characters <>:"/\|?* and control
// characters, a trailing dot or space, device names (CON, NUL, COM1 and the like,
// with any extension).
bool BreaksWindowsNameRules(std::u16string_view name);

// Whether `c` parts folders from names in a path the system is given.
inline bool IsPathSeparator(char16_t c) {
#if defined(_WIN32)
    return c == u'\\' || c == u'/';
#else
    return c == u'/';
#endif
}

// Whether two spellings can name one item in a folder: never on Linux, where every
// code unit counts; on Windows names differ only beyond letter case.
#if defined(_WIN32)
inline constexpr bool kNamesIgnoreCase = true;
#else
inline constexpr bool kNamesIgnoreCase = false;
#endif

// The form under which the file system tells the names in a folder apart: the name
// itself on Linux, its upper case on Windows.
std::u16string NameOnDiskKey(std::u16string_view name);

}  // namespace morvalent::platform
