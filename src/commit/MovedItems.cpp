#include "commit/MovedItems.h"

#include "commit/RowPathIndex.h"
#include "platform/Path.h"

namespace morvalent::commit {
namespace {

bool IsAtOrBeneath(const std::u16string& path, const std::u16string& folder) {
    const std::u16string key = platform::PathIdentityKey(path);
    const std::u16string folderKey = platform::PathIdentityKey(folder);
    return key.starts_with(folderKey) &&
           (key.size() == folderKey.size() || key[folderKey.size()] == platform::kPathSeparator);
}

}  // namespace

void FollowMovedItems(filelist::FileList& list, const std::vector<ItemMove>& moves) {
    if (moves.empty() || list.Count() == 0) return;
    RowPathIndex index;
    index.Build(list);
    filelist::FileList::Batch batch(list);
    for (const ItemMove& move : moves) {
        for (std::size_t row : index.RowsAt(move.from)) {
            index.Repoint(row, move.from, move.to);
            list.SetEntryPath(row, move.to);
        }
        for (std::size_t row : index.MoveBeneath(move.from, move.to)) {
            const filelist::Row& r = list.At(row);
            list.ReplaceEntryPath(row, move.to + r.entry.path.substr(move.from.size()));
            if (r.hasFolderOverride && IsAtOrBeneath(r.folderOverride, move.from)) {
                list.SetFolderText(row, move.to + r.folderOverride.substr(move.from.size()));
            }
        }
    }
}

}  // namespace morvalent::commit
