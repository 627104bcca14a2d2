#pragma once

#include <iosfwd>

#include "cli/Recipe.h"
#include "filelist/FileList.h"

namespace morvalent::cli {

// Writes the rows in row order as the print mode asks: an aligned table for a
// person to read, or one native text per line for a script.
void PrintList(const filelist::FileList& list, PrintMode mode, std::ostream& out);

}  // namespace morvalent::cli
