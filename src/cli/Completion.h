#pragma once

#include <string>

namespace morvalent::cli {

// The bash completion script for morvalent-cli, from the option tables: option
// names, `--opt=value` forms and the words each value may be. The build writes it
// out with morvalent-cli-completion.
std::string BashCompletion();

}  // namespace morvalent::cli
