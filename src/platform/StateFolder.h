#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

// Where the program keeps its own state (the recipes used last):
// $XDG_STATE_HOME/morvalent (by default ~/.local/state/morvalent) on Linux,
// %LOCALAPPDATA%\Morvalent on Windows. Nothing when the environment names no such
// place. Only the program's entry points ask, and hand the folder on.
std::optional<std::u16string> DefaultStateFolder();

// Makes the folder and the folders above it that are missing (for the owner
// only on Linux), each new one on stable storage in its parent; true when the
// folder is there afterwards.
[[nodiscard]] bool MakeFolders(std::u16string_view folder);

}  // namespace morvalent::platform
