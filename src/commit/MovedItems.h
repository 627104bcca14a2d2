#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commit/RowPathIndex.h"
#include "commit/Undo.h"
#include "filelist/FileList.h"

namespace morvalent::commit {

// The list follows items that moved on disk outside the commit (an undo put them
// back): a row whose item moved takes its new path and name, as a renamed row
// does; the rows beneath a moved folder are repointed with it. Moves apply in order.
void FollowMovedItems(filelist::FileList& list, const std::vector<ItemMove>& moves);

// The rows whose items lie beneath the folder `from` (as `index` knows them; it
// follows) take their paths beneath `to`, and a folder text that named the old
// place names the new one. `except` is a row left as it is. The rows repointed are
// added to `moved` when given.
void RepointRowsBeneath(filelist::FileList& list, RowPathIndex& index, const std::u16string& from,
                        const std::u16string& to, std::size_t except = SIZE_MAX,
                        std::vector<std::size_t>* moved = nullptr);

}  // namespace morvalent::commit
