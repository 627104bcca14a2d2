#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const bool errIsTerminal = isatty(STDERR_FILENO) == 1;
    return morvalent::cli::RunCommandLine(args, std::cout, std::cerr, errIsTerminal);
}
