#pragma once

#include <vector>

#include "commit/Undo.h"
#include "filelist/FileList.h"

namespace morvalent::commit {

// The list follows items that moved on disk outside the commit (an undo put them
// back): a row whose item moved takes its new path and name, as a renamed row
// does; the rows beneath a moved folder are repointed with it. Moves apply in order.
void FollowMovedItems(filelist::FileList& list, const std::vector<ItemMove>& moves);

}  // namespace morvalent::commit
