#include "app/HistoryDialog.h"
#include "app/HistoryTexts.h"
#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "commit/CommitTexts.h"
#include "commit/History.h"
#include "commit/MovedItems.h"
#include "commit/Undo.h"
#include "commit/UndoOrder.h"
#include "platform/FileTime.h"
#include "platform/Text.h"

namespace morvalent::app {
namespace {

// Names the commit by the number the terminal's history shows and by the time the
// window's history shows.
std::u16string UndoFirstText(const commit::History& history, std::uint64_t first) {
    const auto journal = history.Read(first);
    return platform::FormatText(
        texts::kUndoFirst, platform::DecimalText(first),
        platform::FormatLocalFileTime(journal ? journal->started : platform::kUnknownTime));
}

}  // namespace

Outcome MainDialog::UndoLastCommit() {
    const auto id = history_ != nullptr ? history_->NewestUndoable() : std::nullopt;
    if (!id) {
        prompts_.ShowMessage(texts::kNothingToUndo);
        return Outcome::Done();
    }
    return UndoCommit(*id);
}

Outcome MainDialog::ShowHistory() {
    if (history_ == nullptr) {
        prompts_.ShowMessage(texts::kNothingToUndo);
        return Outcome::Done();
    }
    HistoryDialog dialog(*history_);
    if (prompts_.ShowHistory(dialog) != DialogResult::Ok || !dialog.Chosen() ||
        *dialog.Chosen() >= dialog.Entries().size()) {
        return Outcome::Cancelled();
    }
    return UndoCommit(dialog.Entries()[*dialog.Chosen()].id);
}

Outcome MainDialog::UndoCommit(std::uint64_t id) {
    const auto journal = history_ != nullptr ? history_->Read(id) : std::nullopt;
    if (!journal) return Refuse(texts::kUnknownCommit);
    // Said before the question, whose answer could not change it.
    if (const auto first = commit::CommitToUndoFirst(*history_, id, *journal)) {
        return Refuse(UndoFirstText(*history_, *first));
    }
    // A damaged journal is undone only as far as it is whole, and only when asked.
    std::u16string damage;
    if (journal->damagedLine) {
        damage = platform::FormatText(texts::kJournalDamaged,
                                      platform::DecimalText(std::uint64_t(*journal->damagedLine)));
    }
    const std::u16string question = damage.empty() ? std::u16string(texts::kUndoConfirm)
                                                   : damage + u"\n" + texts::kUndoIntactPart;
    if (!prompts_.AskOkCancel(question)) return Outcome::Cancelled();
    list_.ClearSelection();
    ForgetFailures();
    view_.SetBusy(true);
    const commit::UndoOutcome undo = commit::UndoCommit(*history_, id);
    commit::FollowMovedItems(list_, undo.moves);
    // The disk changed under the conflict marks' listings.
    folderNames_.Forget();
    view_.SetBusy(false);
    if (undo.result == commit::UndoResult::UnknownCommit) return Refuse(texts::kUnknownCommit);
    if (undo.result == commit::UndoResult::Busy) return Refuse(commit::texts::kBusy);
    if (undo.result == commit::UndoResult::LaterCommitFirst) {
        return Refuse(UndoFirstText(*history_, undo.undoFirst));
    }
    if (undo.result == commit::UndoResult::JournalUnwritable) {
        return Refuse(texts::kUndoUnrecorded);
    }
    std::vector<RenameFailure> failures;
    for (std::size_t i = 0; i < undo.failed.size(); ++i) {
        const commit::ItemMove& failed = undo.failed[i];
        failures.push_back({failed.from, failed.to, {}, undo.failedErrors[i]});
        // The row that lists the item left where the commit put it.
        failures_.Mark(failed.from, undo.failedErrors[i]);
    }
    // What was not undone is said, and fails the step: never "undone" for it.
    std::u16string report = undo.failureReport;
    for (const std::u16string& note :
         {damage, undo.stopped ? std::u16string(texts::kUndoStopped) : std::u16string()}) {
        if (note.empty()) continue;
        failures.push_back({{}, {}, note, {platform::MoveCause::Other, 0, note}});
        report += note + u"\n";
    }
    prompts_.ShowMessage(report.empty() ? std::u16string(texts::kUndone) : report);
    return Outcome::Committed(undo.undone, std::move(failures));
}

void MainDialog::NoticeInterruptedCommit() {
    if (history_ == nullptr) return;
    const std::vector<std::uint64_t> ids = history_->Ids();
    if (ids.empty()) return;
    const auto journal = history_->Read(ids.back());
    if (journal &&
        commit::Summarise(ids.back(), *journal).state == commit::CommitState::Interrupted) {
        prompts_.ShowMessage(texts::kInterruptedCommit);
    }
}

}  // namespace morvalent::app
