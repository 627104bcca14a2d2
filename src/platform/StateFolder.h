#pragma once

#include <optional>
#include <string>

namespace morvalent::platform {

// Where the program keeps its commit journals: $XDG_STATE_HOME/morvalent/history
// (by default ~/.local/state/morvalent/history) on Linux,
// %LOCALAPPDATA%\Morvalent\history on Windows. Nothing when the environment
// names no such place. Read from the environment each time: only the program's
// entry points ask, and hand the folder on.
std::optional<std::u16string> DefaultHistoryFolder();

}  // namespace morvalent::platform
