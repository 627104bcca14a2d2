#include "commit/Undo.h"

#include "commit/CommitTexts.h"
#include "commit/FailureReasons.h"
#include "commit/JournalWriter.h"
#include "platform/Text.h"

namespace morvalent::commit {
namespace {

bool IsAt(platform::FileSystem& fs, const std::u16string& path,
          const std::optional<platform::FileIdentity>& identity) {
    return identity && fs.ReadIdentity(path) == identity;
}

}  // namespace

UndoOutcome UndoCommit(History& history, std::uint64_t id) {
    UndoOutcome outcome;
    const auto journal = history.Read(id);
    if (!journal) {
        outcome.result = UndoResult::UnknownCommit;
        return outcome;
    }
    platform::AppendFile file;
    // A line cut short by a crash is dropped, so that the records go on from a whole one.
    if (!file.OpenAt(history.PathOf(id), journal->readableLength)) {
        outcome.result = UndoResult::JournalUnwritable;
        return outcome;
    }
    JournalWriter writer(file);
    writer.UndoStart(platform::CurrentFileTime());
    if (!writer.Flush()) {
        outcome.result = UndoResult::JournalUnwritable;
        return outcome;
    }
    platform::FileSystem& fs = history.Fs();
    for (auto it = journal->rows.rbegin(); it != journal->rows.rend(); ++it) {
        const JournalRow& row = *it;
        if (!IsLeftToUndo(*journal, row)) continue;
        const bool renamed = row.outcome == JournalRow::Outcome::Renamed;
        // The item at the target is no longer the one renamed: it is gone as far as
        // the undo can tell.
        platform::MoveError error{.cause = platform::MoveCause::NotFound};
        const bool atTarget = IsAt(fs, row.target, row.identity);
        platform::MoveOutcome move;
        if (atTarget) {
            move = fs.MoveNoReplace(row.target, row.source);
            if (move.result != platform::MoveResult::Moved) error = platform::MoveErrorOf(move);
        }
        if (atTarget && move.result == platform::MoveResult::Moved) {
            writer.Undone(row.row);
            outcome.moves.push_back({row.target, row.source});
            ++outcome.undone;
        } else if (IsAt(fs, row.source, row.identity)) {
            // Already back (an undo that stopped before it could say so), or, for a
            // commit that stopped, never renamed.
            if (renamed) {
                writer.Undone(row.row);
            } else {
                writer.Kept(row.row);
            }
        } else if (!renamed && !IsAt(fs, row.target, row.identity)) {
            // The disk does not show that the stopped commit renamed it.
            writer.Kept(row.row);
        } else {
            writer.UndoFailed(row.row);
            outcome.failed.push_back({row.target, row.source});
            outcome.failureReport += FailureLine(row.target, row.source, error);
            outcome.failedErrors.push_back(std::move(error));
        }
    }
    writer.UndoEnd(platform::CurrentFileTime());
    writer.Sync();
    outcome.result = outcome.failureReport.empty() ? UndoResult::Done : UndoResult::SomeFailed;
    return outcome;
}

}  // namespace morvalent::commit
