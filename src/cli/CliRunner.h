#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "cli/CliUserInterface.h"
#include "cli/CountingFileSystem.h"
#include "cli/Recipe.h"
#include "filelist/IconCache.h"

namespace morvalent::cli {

// The process exit statuses.
enum ExitStatus : int {
    kExitOk = 0,        // every step ran; no commit reported a failure
    kExitFailures = 1,  // a commit reported failure lines
    kExitUsage = 2,     // the command line asks for something impossible
    kExitStopped = 3,   // a step stopped with a message
};

// Runs a recipe on the program's own main window logic, answering its dialogs
// from the steps, then prints the list.
class CliRunner {
  public:
    // Messages go to `err`, the list to `out`. `showProgress` when `err` is a
    // terminal.
    // Commits are journalled in `history` when one is given.
    CliRunner(std::ostream& out, std::ostream& err, bool showProgress = false,
              commit::History* history = nullptr);
    CliRunner(const CliRunner&) = delete;
    CliRunner& operator=(const CliRunner&) = delete;

    int Run(const Recipe& recipe);
    // --history and --undo.
    int ListHistory();
    int Undo(const std::string& id);

    const app::MainDialog& Dialog() const { return dialog_; }

    // How a step ended, for the exit status.
    enum class StepEnd { Done, Failures, Stopped, UsageError };

  private:
    StepEnd RunStep(const Step& step);
    std::optional<std::string> DisabledReason(const Step& step) const;
    StepEnd Select(const Step& step);
    void UsageError(const std::string& reason);
    // One line on standard error when gathering left out items it could not read.
    void TellLeftOut(const Step& step, const app::Outcome& outcome);

    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<platform::FileSystem> nativeFs_;
    CountingFileSystem fs_;
    CliUserInterface ui_;
    filelist::PlainIconSource icons_;
    app::MainDialog dialog_;
};

// How a command's outcome ends its step: a refusal stops the run, failed rows of
// a commit set the exit status, anything else lets the run go on.
CliRunner::StepEnd EndOfStep(const std::optional<app::Outcome>& outcome);

// The whole program: reads the arguments (without the program name), runs them
// and returns the exit status. Commits are journalled in `historyFolder`.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   bool showProgress = false,
                   const std::optional<std::u16string>& historyFolder = std::nullopt);

}  // namespace morvalent::cli
