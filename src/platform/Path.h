#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morvalent::platform {

// The character between a folder and a name on this system.
#if defined(_WIN32)
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

// No path either system takes is longer, in UTF-16 units (Windows' long paths;
// Linux refuses whole paths of PATH_MAX bytes already). A longer text names nothing.
inline constexpr std::size_t kLongestPath = 32767;

// The key under which two paths name the same listed item: paths are the same
// item exactly when their keys are equal (exact on Linux, ASCII-folded on Windows).
std::u16string PathIdentityKey(std::u16string_view path);

// Whether the text converts to the system's form of a path and back unchanged:
// on Linux, bytes that decode to exactly this text; on Windows, always.
bool ConvertsExactly(std::u16string_view path);

// Whether the path names its place without a current folder ("/a" here; "C:\a"
// or "\\server\share" on Windows).
bool IsAbsolutePath(std::u16string_view path);

// The path the system would open for `path` from the current folder: absolute,
// without "." or ".." parts and without a trailing separator (a root keeps its
// own). ".." goes up the way the system takes it: on Linux from the folder a link
// leads to, on Windows by the text. The item itself is kept as named, so a link
// stays the link. A path that cannot be resolved is made absolute by its text
// alone; one that cannot name anything comes back unchanged.
std::u16string FullPath(std::u16string_view path);

// The item a path names when it is read beside the file `file` (a whole path), the
// way the system reads a path given there: an absolute path as it is, a relative
// one from the file's folder. On Windows, where '/' separates parts as '\' does,
// a rooted path ("\a") starts at the root of the file's drive or share and a
// drive-relative one ("D:a") at that drive's current folder.
std::u16string PathBesideFile(std::u16string_view file, std::u16string_view path);

// The one form of a path coming in from outside (a drop, a file dialog, a line of
// a path list, the command line): FullPath's, so that repeated separators, a
// trailing separator and "." parts never make a second name for one item. Cheap
// for a path already in that form. Empty stays empty.
std::u16string NormalisePath(std::u16string_view path);
// The same form without a copy where the path has it already: `path` itself then,
// else the form made in `room`.
std::u16string_view NormalisePath(std::u16string_view path, std::u16string& room);

// The paths one path argument of the command line names. On Windows, where shells
// hand wildcards to the program as typed, '*' and '?' in the last part are matched
// against the folder's names as Windows programs do (ignoring case, hidden items
// included), each match spelled as the folder part was typed plus the name;
// nothing when none matches. Without wildcards, and elsewhere (the shell has
// expanded them), the argument itself.
std::vector<std::u16string> ExpandPathArgument(std::u16string_view argument);

}  // namespace morvalent::platform
