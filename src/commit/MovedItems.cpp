#include "commit/MovedItems.h"

#include "platform/Path.h"

namespace morvalent::commit {
namespace {

// Whether `path` names `folder` itself or a place beneath it.
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
        RepointRowsBeneath(list, index, move.from, move.to);
    }
}

void RepointRowsBeneath(filelist::FileList& list, RowPathIndex& index, const std::u16string& from,
                        const std::u16string& to, std::size_t except,
                        std::vector<std::size_t>* moved) {
    for (std::size_t row : index.MoveBeneath(from, to)) {
        if (row == except) continue;
        if (moved != nullptr) moved->push_back(row);
        const filelist::Row& r = list.At(row);
        list.ReplaceEntryPath(row, to + r.entry.path.substr(from.size()));
        if (r.hasFolderOverride && IsAtOrBeneath(r.folderOverride, from)) {
            list.SetFolderText(row, to + r.folderOverride.substr(from.size()));
        }
    }
}

}  // namespace morvalent::commit
