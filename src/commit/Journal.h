#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/FileTime.h"

namespace morvalent::commit {

// What the journal says of one rename.
struct JournalRow {
    enum class Outcome {
        Unknown,  // nothing written after it: the commit stopped around here
        Renamed,
        Failed,
    };
    enum class Undo { None, Undone, Kept, Failed };

    std::size_t row = 0;    // the list row; the commit renamed in this order
    std::u16string source;  // where the item was when it was renamed
    std::u16string target;
    // The item as it should be found at the target; nothing when it was unreadable.
    std::optional<platform::FileIdentity> identity;
    // A copy the commit made at the target on another volume (the item's own
    // identity stays with the source until that goes), and one an undo made at
    // the source on the way back.
    std::optional<platform::FileIdentity> copy;
    std::optional<platform::FileIdentity> undoCopy;
    // What moves of the row (the commit's and the undo's) made on their way where
    // the system could not rename without replacing: a stop may have left them.
    std::vector<platform::MoveStep> spares;
    Outcome outcome = Outcome::Unknown;
    Undo undo = Undo::None;
};

// One commit's journal as read back (see JournalFormat.h for the text).
struct Journal {
    platform::FileTime started = platform::kUnknownTime;
    // The whole plan is on disk: renames may have begun. Without it, none did.
    bool planned = false;
    bool ended = false;  // the commit's end mark is there
    bool undoRun = false;
    std::vector<JournalRow> rows;  // in the order they were renamed
    // The last line has no line feed: a stop cut it short. More is added only after
    // a line feed and a mark that keeps the cut line from reading as a record.
    bool cutTail = false;
    // The first line (from 1) that is no record this journal can hold, before its
    // end: the journal was damaged there. What follows is not taken as the commit's
    // account; the undo's own records still are.
    std::optional<std::size_t> damagedLine;
};

// The line that ends a line cut short by a stop, before anything else is added.
inline constexpr std::string_view kCutLineEnd = "\x18\n";

// Reads as much as is whole: a journal cut anywhere, even inside a line, reads as
// the journal it was at the end of its last complete line. Never fails.
Journal ReadJournal(std::string_view bytes);

// Whether an undo still has work on the row: renamed, or perhaps renamed by a commit
// that stopped, and not settled by an undo.
bool IsLeftToUndo(const Journal& journal, const JournalRow& row);

}  // namespace morvalent::commit
