#pragma once

#include <cstddef>
#include <vector>

#include "filelist/FileList.h"
#include "organise/SortSpec.h"

namespace morvalent::organise {

// The order CompareEntries gives the rows: element i is the index of the row that
// is to stand at place i. Rows whose keys are equal keep their present order.
// Texts are compared through collation sort keys made once per row, so the cost
// stays O(n log n) with byte comparisons.
std::vector<std::size_t> SortedOrder(const filelist::FileList& list, const SortSpec& spec);

// Moves the rows into that order, each whole with its marks.
void SortRows(filelist::FileList& list, const SortSpec& spec);

}  // namespace morvalent::organise
