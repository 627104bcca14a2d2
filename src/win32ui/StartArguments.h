#pragma once

#include <optional>
#include <string>
#include <vector>

namespace morvalent::win32ui {

// What the window's command line asks for: `morvalent [PATH]...`.
struct StartArguments {
    bool help = false;
    bool version = false;
    std::vector<std::u16string> paths;    // absolute, in the order given
    std::optional<std::u16string> error;  // an option the program does not know
};

// The arguments without the program's name, left to right; relative paths are
// taken from the current folder and "--" ends the options.
StartArguments ParseStartArguments(const std::vector<std::u16string>& args);

}  // namespace morvalent::win32ui
