#include "cli/CliRunner.h"

#include <optional>
#include <ostream>

#include "app/Commands.h"
#include "app/HistoryDialog.h"
#include "app/KeyMessage.h"
#include "app/RecipeFile.h"
#include "app/Texts.h"
#include "cli/CliTexts.h"
#include "cli/FileManagerActions.h"
#include "cli/ListPrinter.h"
#include "commit/History.h"
#include "commit/JournalFormat.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::cli {
namespace {

using Kind = Step::Kind;

// Drops, the folder browser and file dialogs hand the program whole paths; a
// relative one would put the renamed items beside the root, or take a path
// list's lines from there.
Step WithWholePaths(const Step& step) {
    Step whole = step;
    const bool namesFile = step.command == app::CommandId::LoadNewNames ||
                           step.command == app::CommandId::LoadPathList ||
                           step.command == app::CommandId::SaveNames ||
                           step.command == app::CommandId::SavePaths;
    if (step.kind == Kind::Gather || step.command == app::CommandId::UnifyFolder || namesFile) {
        for (auto& path : whole.texts) path = platform::FullPath(path);
    }
    return whole;
}

// "a.mvr 3번째 줄: " before the messages about a recipe's step.
std::string Where(const Step& step) { return step.where.empty() ? "" : step.where + ": "; }

// A recipe named on the command line, from the current folder.
std::optional<std::string> ReadRecipe(const std::string& file) {
    return app::ReadRecipeFile(platform::FullPath(platform::Utf8ToUtf16(file)));
}

}  // namespace

CliRunner::StepEnd EndOfStep(const std::optional<app::Outcome>& outcome) {
    if (!outcome) return CliRunner::StepEnd::Done;
    switch (outcome->kind) {
        case app::Outcome::Kind::Done:
        case app::Outcome::Kind::Cancelled:
            return CliRunner::StepEnd::Done;
        case app::Outcome::Kind::Refused:
            return CliRunner::StepEnd::Stopped;
        case app::Outcome::Kind::Committed:
            return outcome->failures.empty() ? CliRunner::StepEnd::Done
                                             : CliRunner::StepEnd::Failures;
    }
    return CliRunner::StepEnd::Stopped;
}

CliRunner::CliRunner(std::ostream& out, std::ostream& err, bool showProgress,
                     commit::History* history)
    : out_(out),
      err_(err),
      nativeFs_(platform::MakeNativeFileSystem()),
      fs_(*nativeFs_),
      ui_(err, showProgress, [this] { return fs_.Count(); }),
      dialog_(ui_, ui_, fs_, icons_) {
    dialog_.SetHistory(history);
    // A value on the command line cannot be typed again: its refusal ends the run.
    dialog_.SetAskAgainAfterRefusal(false);
    dialog_.OnInitDialog();
}

int CliRunner::ListHistory() {
    commit::History* history = dialog_.History();
    if (history == nullptr) {
        err_ << texts::kNoHistoryFolder << '\n';
        return kExitStopped;
    }
    for (const commit::CommitSummary& summary : history->List()) {
        out_ << summary.id << '\t'
             << platform::Utf16ToUtf8Lossy(platform::FormatLocalFileTime(summary.started)) << '\t'
             << summary.renamed << '\t' << platform::Utf16ToUtf8Lossy(app::StateText(summary.state))
             << '\t' << platform::Utf16ToUtf8Lossy(summary.folder) << '\n';
    }
    return kExitOk;
}

int CliRunner::Undo(const std::string& given) {
    commit::History* history = dialog_.History();
    if (history == nullptr) {
        err_ << texts::kNoHistoryFolder << '\n';
        return kExitStopped;
    }
    std::optional<app::Outcome> outcome;
    if (given.empty()) {
        outcome = dialog_.UndoLastCommit();
    } else {
        const auto id = commit::journal::ParseNumber(given);
        if (!id || !history->Read(*id)) {
            UsageError(texts::kUnknownJournal + given);
            return kExitUsage;
        }
        outcome = dialog_.UndoCommit(*id);
    }
    if (outcome) PrintFailures(outcome->failures, err_);
    switch (EndOfStep(outcome)) {
        case StepEnd::Done:
            return kExitOk;
        case StepEnd::Failures:
            return kExitFailures;
        default:
            return kExitStopped;
    }
}

int CliRunner::Run(const Recipe& recipe) {
    bool failures = false;
    for (const Step& given : recipe.steps) {
        const Step step = WithWholePaths(given);
        ui_.BeginStep(step);
        const StepEnd end = RunStep(step);
        ui_.EndStep();
        switch (end) {
            case StepEnd::Done:
                break;
            case StepEnd::Failures:
                failures = true;
                break;
            case StepEnd::Stopped:
                return kExitStopped;
            case StepEnd::UsageError:
                return kExitUsage;
        }
    }
    PrintList(dialog_.List(), dialog_.Conflicts(), recipe.print, out_);
    return failures ? kExitFailures : kExitOk;
}

// The reason the window would grey out the step's command, or nothing when it
// would not.
std::optional<std::string> CliRunner::DisabledReason(const Step& step) const {
    const app::CommandId id =
        step.kind == Kind::Apply ? app::CommandId::ApplyRenames : step.command;
    if (step.kind != Kind::Apply && step.kind != Kind::Command) return std::nullopt;
    const app::CommandInfo* command = app::FindCommand(id);
    if (command == nullptr) return std::nullopt;
    const filelist::FileList& list = dialog_.List();
    if (command->needs == app::Needs::Rows && list.Empty()) return texts::kListEmpty;
    if (command->needs == app::Needs::Selection && list.SelectedCount() == 0) {
        return texts::kNothingSelected;
    }
    return std::nullopt;
}

CliRunner::StepEnd CliRunner::RunStep(const Step& step) {
    if (const auto reason = DisabledReason(step)) {
        UsageError(Where(step) + step.option + ": " + *reason);
        return StepEnd::UsageError;
    }
    switch (step.kind) {
        case Kind::Gather: {
            const app::Outcome outcome = dialog_.OnDropFiles(step.texts);
            TellLeftOut(step, outcome);
            return EndOfStep(outcome);
        }
        case Kind::FolderAnswer:
            ui_.SetFolderItself(step.folderItself);
            break;
        case Kind::Command: {
            const std::optional<app::Outcome> outcome = dialog_.OnCommand(step.command);
            if (outcome) TellLeftOut(step, *outcome);
            return EndOfStep(outcome);
        }
        case Kind::Apply: {
            const std::optional<app::Outcome> outcome = dialog_.OnCommand(step.command);
            if (outcome) PrintFailures(outcome->failures, err_);
            const StepEnd end = EndOfStep(outcome);
            if (const auto id = dialog_.LastJournalId()) {
                err_ << texts::kJournalId << *id << '\n';
                err_.flush();
            }
            return end;
        }
        case Kind::Select:
            return Select(step);
        case Kind::DeleteRows:
            dialog_.PreTranslateMessage({app::KeyMessage::Type::Press, app::Key::Delete});
            break;
    }
    return StepEnd::Done;
}

CliRunner::StepEnd CliRunner::Select(const Step& step) {
    filelist::FileList& list = dialog_.List();
    for (std::size_t row : step.rows) {
        if (row == 0 || row > list.Count()) {
            UsageError(Where(step) + step.option + ": " + std::to_string(row) +
                       texts::kRowMissingMiddle + std::to_string(list.Count()) +
                       texts::kRowMissingTail);
            return StepEnd::UsageError;
        }
    }
    list.ClearSelection();
    for (std::size_t row : step.rows) list.SetSelected(row - 1, true);
    dialog_.OnSelectionChanged();
    return StepEnd::Done;
}

void CliRunner::TellLeftOut(const Step& step, const app::Outcome& outcome) {
    if (outcome.unreadable == 0) return;
    err_ << Where(step) << outcome.unreadable << texts::kLeftOutTail << '\n';
    err_.flush();
}

void CliRunner::UsageError(const std::string& reason) {
    err_ << reason << '\n' << texts::kSeeHelp << '\n';
    err_.flush();
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   bool showProgress, const std::optional<std::u16string>& historyFolder) {
    const ParseResult parsed = ParseArguments(args, ReadRecipe);
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
    if (recipe.removeFileManagerActions) return RunRemoveFileManagerActions(out, err);
    auto fs = platform::MakeNativeFileSystem();
    std::optional<commit::History> history;
    if (historyFolder) history.emplace(*fs, *historyFolder);
    CliRunner runner(out, err, showProgress, history ? &*history : nullptr);
    if (recipe.history) return runner.ListHistory();
    if (recipe.undo) return runner.Undo(*recipe.undo);
    return runner.Run(recipe);
}

}  // namespace morvalent::cli
