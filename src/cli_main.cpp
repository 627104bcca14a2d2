#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "platform/CommandLine.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args = morvalent::platform::ProgramArguments(argc, argv);
    const bool errIsTerminal = isatty(STDERR_FILENO) == 1;
    int status = 0;
    {
        const morvalent::platform::Utf8Console console;
        status = morvalent::cli::RunCommandLine(args, std::cout, std::cerr, errIsTerminal);
        // Written while the console still reads UTF-8.
        std::cout.flush();
        std::cerr.flush();
    }
    return status;
}
