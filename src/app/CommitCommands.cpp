#include <initializer_list>

#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/Texts.h"
#include "app/UserPrompts.h"
#include "commit/CommitTexts.h"
#include "commit/FailureReasons.h"
#include "commit/History.h"
#include "commit/JournalledPass.h"
#include "commit/TargetCheck.h"
#include "platform/Text.h"

namespace morvalent::app {
namespace {

// How many rows go by between chances for the window to repaint.
constexpr std::size_t kRowsPerRepaint = 4096;

// Selects and focuses `rows` in order, so the last one holds the focus, and
// scrolls `shown` into view.
void MarkRows(filelist::FileList& list, StateView& view, std::initializer_list<std::size_t> rows,
              std::size_t shown) {
    view.FocusList();
    for (std::size_t row : rows) {
        list.SetSelected(row, true);
        list.SetFocusedRow(row);
    }
    view.EnsureRowVisible(shown);
}

}  // namespace

Outcome MainDialog::ApplyRenames() {
    if (!prompts_.AskOkCancel(commit::texts::kConfirm)) return Outcome::Cancelled();
    list_.ClearSelection();
    ForgetFailures();
    const std::size_t count = list_.Count();

    commit::TargetCheck check = commit::CheckTargets(list_);
    if (check.problem == commit::TargetProblem::EmptyName) {
        Outcome refused = Refuse(commit::texts::kEmptyName);
        MarkRows(list_, view_, {check.row}, check.row);
        return refused;
    }
    if (check.problem == commit::TargetProblem::Duplicate) {
        Outcome refused =
            Refuse(platform::FormatText(commit::texts::kDuplicate, check.targets[check.row]));
        // The earlier row is marked last, so it holds the focus.
        MarkRows(list_, view_, {check.row, check.earlierRow}, check.row);
        return refused;
    }
    if (check.targets.size() != count) return Refuse(commit::texts::kInternalError);

    commit::JournalledPass pass(list_, fs_, std::move(check.targets), history_, &gatheredFolders_);
    lastJournalId_.reset();
    if (!pass.Begin()) {
        if (pass.Busy()) return Refuse(commit::texts::kBusy);
        return Refuse(platform::FormatText(commit::texts::kJournalFailed, history_->Folder()));
    }
    lastJournalId_ = pass.JournalId();
    view_.SetBusy(true);
    std::size_t renamed = 0;
    std::vector<RenameFailure> failures;
    {
        filelist::FileList::Batch batch(list_);
        for (std::size_t row = 0; row < count; ++row) {
            const commit::RowOutcome outcome = pass.RenameRow(row);
            // A row that was not renamed keeps its path: no copy of it per row.
            const std::u16string& source = list_.Entry(row).path;
            if (pass.Stopped()) {
                const std::u16string message =
                    platform::FormatText(commit::texts::kJournalStopped, history_->Folder());
                failures.push_back(
                    {source, pass.Target(row), message, {platform::MoveCause::Other, 0, message}});
                prompts_.ShowMessage(message);
                break;
            }
            if (outcome.result == commit::RowResult::Renamed) ++renamed;
            if (outcome.result == commit::RowResult::Failed) {
                failures.push_back({source, pass.Target(row), outcome.errorReport, outcome.error});
                failures_.Mark(source, outcome.error);
            }
            if (!outcome.errorReport.empty()) prompts_.ShowMessage(outcome.errorReport);
            if ((row + 1) % kRowsPerRepaint == 0) view_.KeepResponsive();
        }
    }
    pass.Finish();
    view_.SetBusy(false);
    folderNames_.Forget();
    if (!failures_.Empty()) view_.ConflictsChanged();
    const std::u16string& report = pass.FailureReport();
    if (report.empty()) {
        // A stopped commit has said so already.
        if (!pass.Stopped()) prompts_.ShowMessage(commit::texts::kDone);
    } else {
        // How many went through comes first, so a long report still says it at once.
        prompts_.ShowMessage(platform::FormatText(texts::kCommitCount,
                                                  platform::DecimalText(std::uint64_t(count)),
                                                  platform::DecimalText(std::uint64_t(renamed))) +
                             report);
    }
    return Outcome::Committed(renamed, std::move(failures));
}

Outcome MainDialog::RevertNewNames() {
    filelist::FileList::Batch batch(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) list_.SetNewName(i, list_.CurrentName(i));
    return Outcome::Done();
}

Outcome MainDialog::ClearList() {
    list_.Clear();
    gatheredFolders_.Clear();
    ForgetFailures();
    ShowRowCount(0);
    return Outcome::Done();
}

}  // namespace morvalent::app
