#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace morvalent::platform {

// The arguments of a command line as Windows splits it (quotes, backslashes),
// without the program name, in UTF-8.
std::vector<std::string> ArgumentsOfCommandLine(std::u16string_view commandLine);

}  // namespace morvalent::platform
