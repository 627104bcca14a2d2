#pragma once

#include <optional>
#include <string>
#include <vector>

namespace morvalent::app {

// What a window's command line asks for: `morvalent [PATH]...`.
struct StartArguments {
    bool help = false;
    bool version = false;
    std::vector<std::u16string> paths;  // absolute, in the order given
    // An option the program does not know: a mistake, not a file to look for.
    std::optional<std::u16string> unknownOption;
};

// Reads the arguments (without the program's name) left to right. Relative paths
// are taken from the current folder; "--" ends the options.
StartArguments ParseStartArguments(const std::vector<std::u16string>& args);

}  // namespace morvalent::app
