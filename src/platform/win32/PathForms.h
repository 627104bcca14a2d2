#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

// An absolute path ("C:\a", "\\server\share\a") with '\' between its parts and
// without "." or ".." parts or repeated separators (a trailing one stays, as it
// asks for a folder), each name kept exactly as
// written: a trailing dot or space stays part of the name, where the system's own
// reading of a plain path would drop it. Other forms come back unchanged.
std::u16string TidyAbsolutePath(std::u16string_view path);

// The path in extended-length form ("\\?\C:\a", "\\?\UNC\server\share\a"), which
// the file system takes name for name and without the 260-character limit. A path
// that is not absolute is first made whole the way Windows reads it. Nothing for
// a path that cannot name anything.
std::optional<std::wstring> ExtendedPath(std::u16string_view path);

}  // namespace morvalent::platform
