#pragma once

#include <cstdint>
#include <optional>

#include "commit/History.h"
#include "commit/Journal.h"

namespace morvalent::commit {

// The newest later commit that must be undone before commit `id` (read as
// `journal`), else its items would be stranded: a commit with rows still to undo
// that renamed again an item this one renamed (the same identity), or that took
// or put an item at, inside or above a place this one took or put one (a file
// renamed inside a folder this commit renamed, the folder above a renamed file).
// Nothing when none is in the way.
std::optional<std::uint64_t> CommitToUndoFirst(const History& history, std::uint64_t id,
                                               const Journal& journal);

}  // namespace morvalent::commit
