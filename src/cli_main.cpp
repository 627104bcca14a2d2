#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "platform/CommandLine.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    morvalent::platform::UseUtf8Console();
    const std::vector<std::string> args = morvalent::platform::ProgramArguments(argc, argv);
    const bool errIsTerminal = isatty(STDERR_FILENO) == 1;
    return morvalent::cli::RunCommandLine(args, std::cout, std::cerr, errIsTerminal);
}
