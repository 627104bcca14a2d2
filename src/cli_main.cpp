#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "commit/History.h"
#include "platform/CommandLine.h"
#include "platform/StateFolder.h"

namespace {

std::optional<std::u16string> HistoryFolder() {
    const auto state = morvalent::platform::DefaultStateFolder();
    if (!state) return std::nullopt;
    return morvalent::commit::History::FolderIn(*state);
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args = morvalent::platform::ProgramArguments(argc, argv);
    const bool errIsTerminal = isatty(STDERR_FILENO) == 1;
    int status = 0;
    {
        const morvalent::platform::Utf8Console console;
        status = morvalent::cli::RunCommandLine(args, std::cout, std::cerr, errIsTerminal,
                                                HistoryFolder());
        // Written while the console still reads UTF-8.
        std::cout.flush();
        std::cerr.flush();
    }
    return status;
}
