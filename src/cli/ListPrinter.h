#pragma once

#include <iosfwd>

#include "cli/Recipe.h"
#include "commit/ConflictMarks.h"
#include "filelist/FileList.h"

namespace morvalent::cli {

// Writes the rows in row order as the print mode asks: an aligned table for a
// person to read, or one native text per line for a script; for conflicts, only
// the marked rows, as row number (from 1), reason and target between tabs.
void PrintList(const filelist::FileList& list, const commit::ConflictMarks& conflicts,
               PrintMode mode, std::ostream& out);

}  // namespace morvalent::cli
