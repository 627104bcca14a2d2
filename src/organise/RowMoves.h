#pragma once

#include <cstddef>
#include <optional>

#include "filelist/FileList.h"

namespace morvalent::organise {

// Moves every selected row one place up, working from the top down, so that a
// block of selected rows moves as a block and the row above it ends up below.
// Nothing moves when row 0 is selected. Returns the place of the last row moved
// (the bottom-most selected one), to be scrolled into view.
std::optional<std::size_t> MoveSelectionUp(filelist::FileList& list);

// The mirror image: works from the bottom up; nothing moves when the last row is
// selected. Returns the new place of the top-most selected row moved.
std::optional<std::size_t> MoveSelectionDown(filelist::FileList& list);

}  // namespace morvalent::organise
