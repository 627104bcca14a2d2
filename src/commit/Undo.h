#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commit/History.h"
#include "platform/MoveError.h"

namespace morvalent::commit {

enum class UndoResult {
    Done,               // everything left to undo is back (perhaps nothing was left)
    SomeFailed,         // some rows could not be put back, the journal was damaged, or
                        // the undo's records could not be written; a second undo retries
    UnknownCommit,      // no journal with that id
    JournalUnwritable,  // nothing moved: the undo could not be recorded
    Busy,               // nothing moved: another commit or undo holds the history's lock
    LaterCommitFirst,   // nothing moved: commit `undoFirst` changed this one's items
};

struct ItemMove {
    std::u16string from;
    std::u16string to;
};

struct UndoOutcome {
    UndoResult result = UndoResult::Done;
    std::size_t undone = 0;
    // One line per row that could not be put back, as the commit reports its own.
    std::u16string failureReport;
    // The items put back, in the order they moved.
    std::vector<ItemMove> moves;
    // The moves that could not be made, in the order they were tried, with why.
    std::vector<ItemMove> failed;
    std::vector<platform::MoveError> failedErrors;
    // The journal's first damaged line: only the rows before it were undone.
    std::optional<std::size_t> damagedLine;
    // The undo's records could no longer be written: it stopped there.
    bool stopped = false;
    std::uint64_t undoFirst = 0;  // LaterCommitFirst
};

// Puts back what one commit renamed: the rows left to undo in the reverse of the
// order they were renamed, each only when the item at the target is still the one
// the commit renamed (or the copy it made on another volume), and never onto
// anything that exists. A row whose item is found nowhere fails; a spare left by
// a move that was stopped half-way (a copy, a second name) is removed once the
// item is whole elsewhere. The journal records what was undone. It runs under the
// history's lock, and only when no later commit is to be undone first
// (CommitToUndoFirst).
UndoOutcome UndoCommit(History& history, std::uint64_t id);

}  // namespace morvalent::commit
