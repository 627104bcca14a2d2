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

// A second name the row's move made at its target, where the file system numbers
// names rather than items: the item found there under that name's own number.
bool IsLinkAtTarget(const JournalRow& row, const Identity& found) {
    for (const platform::MoveStep& spare : row.spares) {
        if (spare.kind == platform::MoveStep::Kind::Link && spare.path == row.target &&
            Is(found, spare.made)) {
            return true;
        }
    }
    return false;
}

// One row's undo. The disk is the judge: the journal may lag behind it by a batch
// of records, or have been cut short by a stop.
class RowUndo {
  public:
    RowUndo(platform::MoveRun& moves, JournalWriter& writer, UndoOutcome& outcome)
        : moves_(moves), writer_(writer), outcome_(outcome) {}

    // False when nothing of the row is found yet (another row's undo may bring it
    // back into view); `last` settles it as failed then.
    bool Run(const JournalRow& row, bool last) {
        if (!SettleSpares(row)) return true;
        const bool renamed = row.outcome == JournalRow::Outcome::Renamed;
        const Identity atTarget = moves_.ReadIdentity(row.target);
        const bool isAtTarget =
            Is(atTarget, row.identity) || Is(atTarget, row.copy) || IsLinkAtTarget(row, atTarget);
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
                const bool removed = Is(atTarget, row.copy)
                                         ? RemoveSpare(row, row.target, atTarget)
                                         : RemoveSecondName(row, {platform::MoveStep::Kind::Link,
                                                                  row.target, atTarget});
                if (removed) Settle(row, renamed);
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
        if (MoveBackFromTemporaryName(row, renamed)) return true;
        if (!last) return false;
        Fail(row, {platform::MoveCause::NotFound, 0, {}});
        return true;
    }

    std::size_t Current() const { return current_; }

  private:
    // A rename to a name differing in case only, stopped between its two renames,
    // left the item under the temporary name on record: back to its source.
    bool MoveBackFromTemporaryName(const JournalRow& row, bool renamed) {
        for (const platform::MoveStep& spare : row.spares) {
            if (spare.kind != platform::MoveStep::Kind::TemporaryName ||
                !Is(moves_.ReadIdentity(spare.path), row.identity)) {
                continue;
            }
            current_ = row.row;
            const platform::MoveOutcome move = moves_.MoveNoReplace(spare.path, row.source);
            if (move.result != platform::MoveResult::Moved) {
                Fail(row, platform::MoveErrorOf(move));
                return true;
            }
            outcome_.moves.push_back({spare.path, row.source});
            if (renamed) ++outcome_.undone;
            Settle(row, renamed);
            return true;
        }
        return false;
    }

    // What moves stopped between their steps left (a placeholder, a second name)
    // goes first, each only while it is just what its step made; false when the
    // row failed on one.
    bool SettleSpares(const JournalRow& row) {
        for (const platform::MoveStep& spare : row.spares) {
            if (spare.kind == platform::MoveStep::Kind::TemporaryName) {
                continue;
            } else if (spare.kind == platform::MoveStep::Kind::Link) {
                // The name kept is the source's: a second name goes only while the
                // item is whole there. The undo's own second name is the source's,
                // and the move back below removes the target's.
                if (spare.path == row.source ||
                    !Is(moves_.ReadIdentity(row.source), row.identity)) {
                    continue;
                }
                if (!RemoveSecondName(row, spare)) return false;
            } else if (const Identity found = moves_.ReadIdentity(spare.path);
                       Is(found, row.identity) || Is(found, row.copy) || Is(found, row.undoCopy)) {
                // The item, or its copy, took the placeholder's place.
            } else if (platform::RemoveLeftover(spare, row.identity) ==
                       platform::Leftover::Unsure) {
                Fail(row, {platform::MoveCause::Leftover, 0, {}});
                return false;
            }
        }
        return true;
    }

    // Removes a second name of the item (one with more than one name), else fails the row.
    bool RemoveSecondName(const JournalRow& row, const platform::MoveStep& name) {
        switch (platform::RemoveLeftover(name, row.identity)) {
            case platform::Leftover::Removed:
            case platform::Leftover::Absent:
                return true;
            case platform::Leftover::Unsure:
                break;
        }
        Fail(row, {platform::MoveCause::Leftover, 0, {}});
        return false;
    }

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
    moves->WatchSteps([&](const platform::MoveStep& step) {
        writer.Spare(undo.Current(), step);
        return step.made ? writer.Flush() : writer.Sync();
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
