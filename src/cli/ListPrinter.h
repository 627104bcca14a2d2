#pragma once

#include <iosfwd>

#include <span>
#include "cli/Recipe.h"

#include "app/Outcome.h"
#include "commit/ConflictMarks.h"
#include "filelist/FileList.h"

namespace morvalent::cli {

// Writes the rows in row order as the print mode asks: an aligned table for a
// person to read, or one native text per line for a script; for conflicts, only
// the marked rows, as row number (from 1), reason and target between tabs.
void PrintList(const filelist::FileList& list, const commit::ConflictMarks& conflicts,
               PrintMode mode, std::ostream& out);

// Writes each item a commit or an undo could not rename, as its path, the new
// name and the reason between tabs, in the shape of the conflict lines.
void PrintFailures(std::span<const app::RenameFailure> failures, std::ostream& out);

}  // namespace morvalent::cli
