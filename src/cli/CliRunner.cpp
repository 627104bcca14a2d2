#include "cli/CliRunner.h"

#include <ostream>

#include "app/Commands.h"
#include "app/KeyMessage.h"
#include "app/Texts.h"
#include "cli/AbsolutePath.h"
#include "cli/CliTexts.h"
#include "cli/CommitReport.h"
#include "cli/FileManagerActions.h"
#include "cli/ListPrinter.h"
#include "platform/Text.h"

namespace morvalent::cli {
namespace {

using Kind = Step::Kind;

// Drops, the folder browser and file dialogs hand the program whole paths; a
// relative one would put the renamed items beside the root, or take a path
// list's lines from there.
Step WithWholePaths(const Step& step) {
    Step whole = step;
    const bool namesFile = step.command == app::CmdLoadNewNames ||
                           step.command == app::CmdLoadPathList ||
                           step.command == app::CmdSaveNames || step.command == app::CmdSavePaths;
    if (step.kind == Kind::Gather || step.command == app::CmdUnifyFolder || namesFile) {
        for (auto& path : whole.texts) path = AbsolutePath(path);
    }
    return whole;
}

}  // namespace

CliRunner::CliRunner(std::ostream& out, std::ostream& err, bool showProgress)
    : out_(out),
      err_(err),
      nativeFs_(platform::MakeNativeFileSystem()),
      fs_(*nativeFs_),
      ui_(err, showProgress, [this] { return fs_.Count(); }),
      dialog_(ui_, fs_, icons_) {
    dialog_.OnInitDialog();
}

int CliRunner::Run(const Recipe& recipe) {
    bool failures = false;
    for (const Step& given : recipe.steps) {
        const Step step = WithWholePaths(given);
        ui_.BeginStep(step);
        const Outcome outcome = RunStep(step);
        ui_.EndStep();
        switch (outcome) {
            case Outcome::Done:
                break;
            case Outcome::Failures:
                failures = true;
                break;
            case Outcome::Stopped:
                return kExitStopped;
            case Outcome::UsageError:
                return kExitUsage;
        }
    }
    PrintList(dialog_.List(), recipe.print, out_);
    return failures ? kExitFailures : kExitOk;
}

CliRunner::Outcome CliRunner::RunStep(const Step& step) {
    switch (step.kind) {
        case Kind::Gather:
            dialog_.OnDropFiles(step.texts);
            break;
        case Kind::FolderAnswer:
            ui_.SetFolderItself(step.folderItself);
            break;
        case Kind::Command:
            dialog_.OnCommand(step.command);
            break;
        case Kind::Select:
            return Select(step);
        case Kind::DeleteRows:
            dialog_.PreTranslateMessage({app::KeyMessage::Type::Press, app::Key::Delete});
            break;
        case Kind::Apply:
            dialog_.OnCommand(app::CmdApplyRenames);
            return ApplyOutcome();
    }
    // A message from any other step means the operation refused its values.
    return ui_.StepMessages().empty() ? Outcome::Done : Outcome::Stopped;
}

CliRunner::Outcome CliRunner::Select(const Step& step) {
    filelist::FileList& list = dialog_.List();
    for (std::size_t row : step.rows) {
        if (row == 0 || row > list.Count()) {
            UsageError(step.option + ": " + std::to_string(row) + texts::kRowMissingMiddle +
                       std::to_string(list.Count()) + texts::kRowMissingTail);
            return Outcome::UsageError;
        }
    }
    list.ClearSelection();
    for (std::size_t row : step.rows) list.SetSelected(row - 1, true);
    dialog_.OnSelectionChanged();
    return Outcome::Done;
}

CliRunner::Outcome CliRunner::ApplyOutcome() const {
    switch (ClassifyCommitMessages(ui_.StepMessages())) {
        case CommitResult::Done:
            return Outcome::Done;
        case CommitResult::Failures:
            return Outcome::Failures;
        case CommitResult::Stopped:
            break;
    }
    return Outcome::Stopped;
}

void CliRunner::UsageError(const std::string& reason) {
    err_ << reason << '\n' << texts::kSeeHelp << '\n';
    err_.flush();
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   bool showProgress) {
    const ParseResult parsed = ParseArguments(args);
    if (parsed.error) {
        err << *parsed.error << '\n' << texts::kSeeHelp << '\n';
        err.flush();
        return kExitUsage;
    }
    const Recipe& recipe = parsed.recipe;
    if (recipe.help) {
        out << UsageText();
        out.flush();
        return kExitOk;
    }
    if (recipe.version) {
        out << platform::Utf16ToUtf8Lossy(app::texts::kVersionMessage) << '\n';
        out.flush();
        return kExitOk;
    }
    if (recipe.installFileManagerActions) return RunInstallFileManagerActions(out, err);
    CliRunner runner(out, err, showProgress);
    return runner.Run(recipe);
}

}  // namespace morvalent::cli
