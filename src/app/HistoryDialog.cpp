#include "app/HistoryDialog.h"

#include "app/HistoryTexts.h"
#include "platform/Text.h"

namespace morvalent::app {

const char16_t* StateText(commit::CommitState state) {
    switch (state) {
        case commit::CommitState::Complete:
            return texts::kStateComplete;
        case commit::CommitState::SomeFailed:
            return texts::kStateSomeFailed;
        case commit::CommitState::Failed:
            return texts::kStateFailed;
        case commit::CommitState::Interrupted:
            return texts::kStateInterrupted;
        case commit::CommitState::Undone:
            return texts::kStateUndone;
        case commit::CommitState::PartlyUndone:
            return texts::kStatePartlyUndone;
    }
    return u"";
}

HistoryDialog::HistoryDialog(const commit::History& history) : history_(history) {
    for (const commit::CommitSummary& summary : history.List()) {
        std::u16string count = platform::DecimalText(std::uint64_t(summary.renamed));
        if (summary.failed > 0) {
            count = platform::FormatText(texts::kCountWithFailed, count,
                                         platform::DecimalText(std::uint64_t(summary.failed)));
        }
        entries_.push_back({summary.id, platform::FormatLocalFileTime(summary.started),
                            std::move(count), summary.folder, StateText(summary.state)});
    }
}

std::vector<HistoryDialog::Rename> HistoryDialog::RenamesOf(std::size_t entry) const {
    std::vector<Rename> renames;
    if (entry >= entries_.size()) return renames;
    const auto journal = history_.Read(entries_[entry].id);
    if (!journal) return renames;
    for (const commit::JournalRow& row : journal->rows) {
        if (row.outcome == commit::JournalRow::Outcome::Failed || row.source == row.target)
            continue;
        renames.push_back({row.source, row.target});
    }
    return renames;
}

}  // namespace morvalent::app
