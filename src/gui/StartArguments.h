#pragma once

#include <optional>
#include <string>
#include <vector>

namespace morvalent::gui {

// What the window's command line asks for: `morvalent [PATH]...`.
struct StartArguments {
    bool help = false;
    bool version = false;
    std::vector<std::u16string> paths;  // absolute, in the order given
    std::optional<std::string> error;   // one line, for a usage error
};

// Reads the arguments (without the program name) left to right. Relative paths
// are taken from the current folder; "--" ends the options.
StartArguments ParseStartArguments(const std::vector<std::string>& args);

// --help and --version need no display: they are answered before the window
// system is opened. The exit status when one of them (or a usage error) was
// handled, written to standard output or standard error.
std::optional<int> AnswerWithoutWindow(int argc, char** argv);

// Writes a usage error and the pointer to the help to standard error.
void ReportUsageError(const std::string& error);

// The usage text, in Korean.
std::string WindowUsageText();

}  // namespace morvalent::gui
