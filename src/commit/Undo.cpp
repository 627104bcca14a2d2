#include "commit/Undo.h"

#include "commit/CommitTexts.h"
#include "commit/FailureReasons.h"
#include "commit/JournalWriter.h"
#include "commit/UndoOrder.h"
#include "platform/Text.h"

namespace morvalent::commit {
namespace {

using Identity = std::optional<platform::FileIdentity>;

bool Is(const Identity& found, const Identity& expected) { return expected && found == expected; }

// One row's undo. The disk is the judge: the journal may lag behind it by a batch
// of records, or have been cut short by a stop.
class RowUndo {
  public:
    RowUndo(platform::MoveRun& moves, JournalWriter& writer, UndoOutcome& outcome)
        : moves_(moves), writer_(writer), outcome_(outcome) {}

    // False when nothing of the row is found yet (another row's undo may bring it
    // back into view); `last` settles it as failed then.
    bool Run(const JournalRow& row, bool last) {
        const bool renamed = row.outcome == JournalRow::Outcome::Renamed;
        const Identity atTarget = moves_.ReadIdentity(row.target);
        const bool isAtTarget = Is(atTarget, row.identity) || Is(atTarget, row.copy);
        // The source is looked at only when it may matter: one look-up per row
        // in the common case.
        if (isAtTarget && row.undoCopy) {
            // An undo that stopped between making its copy at the source and
            // removing the item at the target: the copy is the spare.
            const Identity atSource = moves_.ReadIdentity(row.source);
            if (Is(atSource, row.undoCopy) && !RemoveSpare(row, row.source, atSource)) return true;
        }
        if (isAtTarget) {
            current_ = row.row;
            const platform::MoveOutcome move = moves_.MoveNoReplace(row.target, row.source);
            if (move.result == platform::MoveResult::Moved) {
                writer_.Undone(row.row);
                outcome_.moves.push_back({row.target, row.source});
                ++outcome_.undone;
                return true;
            }
            // A move that stopped between making the new item (a copy on another
            // volume, a second name) and removing the old: the item is whole at its
            // source, and the new one is the spare.
            if (move.result == platform::MoveResult::TargetExists &&
                Is(moves_.ReadIdentity(row.source), row.identity)) {
                if (RemoveSpare(row, row.target, atTarget)) Settle(row, renamed);
                return true;
            }
            Fail(row, platform::MoveErrorOf(move));
            return true;
        }
        const Identity atSource = moves_.ReadIdentity(row.source);
        if (Is(atSource, row.identity) || Is(atSource, row.undoCopy)) {
            // Already back (an undo that stopped before it could say so), or, for a
            // commit that stopped, never renamed.
            Settle(row, renamed);
            return true;
        }
        if (!last) return false;
        Fail(row, {platform::MoveCause::NotFound, 0, {}});
        return true;
    }

    std::size_t Current() const { return current_; }

  private:
    // Removes the spare only while it is still the item the journal names.
    bool RemoveSpare(const JournalRow& row, const std::u16string& spare, const Identity& identity) {
        if (moves_.ReadIdentity(spare) == identity && platform::RemoveFile(spare)) return true;
        Fail(row, {platform::MoveCause::Other, 0, {}});
        return false;
    }

    void Settle(const JournalRow& row, bool renamed) {
        if (renamed) {
            writer_.Undone(row.row);
        } else {
            writer_.Kept(row.row);
        }
    }

    void Fail(const JournalRow& row, platform::MoveError error) {
        writer_.UndoFailed(row.row);
        outcome_.failed.push_back({row.target, row.source});
        outcome_.failureReport += FailureLine(row.target, row.source, error);
        outcome_.failedErrors.push_back(std::move(error));
    }

    platform::MoveRun& moves_;
    JournalWriter& writer_;
    UndoOutcome& outcome_;
    std::size_t current_ = 0;
};

}  // namespace

UndoOutcome UndoCommit(History& history, std::uint64_t id) {
    UndoOutcome outcome;
    // Another process's commit or undo has its turn: nothing of this one starts.
    platform::FileLock lock;
    if (const platform::LockResult held = history.Lock(lock); held != platform::LockResult::Held) {
        outcome.result =
            held == platform::LockResult::Busy ? UndoResult::Busy : UndoResult::JournalUnwritable;
        return outcome;
    }
    const auto journal = history.Read(id);
    if (!journal) {
        outcome.result = UndoResult::UnknownCommit;
        return outcome;
    }
    if (const auto first = CommitToUndoFirst(history, id, *journal)) {
        outcome.result = UndoResult::LaterCommitFirst;
        outcome.undoFirst = *first;
        return outcome;
    }
    outcome.damagedLine = journal->damagedLine;
    platform::AppendFile file;
    // Added after all the journal holds: a reader never cuts or rewrites it.
    if (!file.OpenToAppend(history.PathOf(id))) {
        outcome.result = UndoResult::JournalUnwritable;
        return outcome;
    }
    JournalWriter writer(file);
    if (journal->cutTail) writer.EndCutLine();
    writer.UndoStart(platform::CurrentFileTime());
    if (!writer.Flush()) {
        outcome.result = UndoResult::JournalUnwritable;
        return outcome;
    }
    // The undo renames through open folders as the commit did, so it reaches
    // every path the commit reached.
    const std::unique_ptr<platform::MoveRun> moves = history.Fs().BeginMoves();
    RowUndo undo(*moves, writer, outcome);
    moves->WatchCopies([&](const platform::FileIdentity& copy) {
        writer.Copy(undo.Current(), copy);
        return writer.Sync();
    });
    std::vector<const JournalRow*> unseen;
    for (auto it = journal->rows.rbegin(); it != journal->rows.rend() && writer.Ok(); ++it) {
        if (!IsLeftToUndo(*journal, *it)) continue;
        if (!undo.Run(*it, false)) unseen.push_back(&*it);
    }
    // Rows beneath a renamed folder come into view at their journalled places once
    // the folder is back.
    for (const JournalRow* row : unseen) {
        if (!writer.Ok()) break;
        undo.Run(*row, true);
    }
    outcome.stopped = !writer.Ok();
    writer.UndoEnd(platform::CurrentFileTime());
    // Not on stable storage: a later undo finds the rows on disk again.
    (void)writer.Sync();
    const bool whole = outcome.failureReport.empty() && !outcome.damagedLine && !outcome.stopped;
    outcome.result = whole ? UndoResult::Done : UndoResult::SomeFailed;
    return outcome;
}

}  // namespace morvalent::commit
