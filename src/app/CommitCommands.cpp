#include "app/MainDialog.h"
#include "app/UserInterface.h"
#include "commit/CommitTexts.h"
#include "commit/History.h"
#include "commit/JournalledPass.h"
#include "commit/TargetCheck.h"
#include "platform/Text.h"

namespace morvalent::app {
namespace {

// How many rows go by between chances for the window to repaint.
constexpr std::size_t kRowsPerRepaint = 4096;

}  // namespace

void MainDialog::ApplyRenames() {
    if (!ui_.AskOkCancel(commit::texts::kConfirm)) return;
    list_.ClearSelection();
    const std::size_t count = list_.Count();

    commit::TargetCheck check = commit::CheckTargets(list_);
    if (check.problem == commit::TargetProblem::EmptyName) {
        ui_.ShowMessage(commit::texts::kEmptyName);
        ui_.FocusList();
        list_.SetSelected(check.row, true);
        list_.SetFocusedRow(check.row);
        ui_.EnsureRowVisible(check.row);
        return;
    }
    if (check.problem == commit::TargetProblem::Duplicate) {
        ui_.ShowMessage(platform::FormatText(commit::texts::kDuplicate, check.targets[check.row]));
        ui_.FocusList();
        list_.SetSelected(check.row, true);
        list_.SetFocusedRow(check.row);
        // The earlier row is marked last, so it holds the focus.
        list_.SetSelected(check.earlierRow, true);
        list_.SetFocusedRow(check.earlierRow);
        ui_.EnsureRowVisible(check.row);
        return;
    }
    if (check.targets.size() != count) {
        ui_.ShowMessage(commit::texts::kInternalError);
        return;
    }

    commit::JournalledPass pass(list_, fs_, std::move(check.targets), history_);
    lastJournalId_.reset();
    if (!pass.Begin()) {
        ui_.ShowMessage(platform::FormatText(commit::texts::kJournalFailed, history_->Folder()));
        return;
    }
    lastJournalId_ = pass.JournalId();
    ui_.SetBusy(true);
    {
        filelist::FileList::Batch batch(list_);
        for (std::size_t row = 0; row < count; ++row) {
            const commit::RowOutcome outcome = pass.RenameRow(row);
            if (!outcome.errorReport.empty()) ui_.ShowMessage(outcome.errorReport);
            if ((row + 1) % kRowsPerRepaint == 0) ui_.KeepResponsive();
        }
    }
    pass.Finish();
    ui_.SetBusy(false);
    const std::u16string& failures = pass.FailureReport();
    ui_.ShowMessage(failures.empty() ? std::u16string(commit::texts::kDone) : failures);
}

void MainDialog::RevertNewNames() {
    filelist::FileList::Batch batch(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) list_.SetNewName(i, list_.CurrentName(i));
}

void MainDialog::ClearList() {
    list_.Clear();
    ShowRowCount(0);
}

}  // namespace morvalent::app
