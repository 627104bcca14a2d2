#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "commit/FolderNames.h"
#include "filelist/FileList.h"

namespace morvalent::commit {

// Why a row's target would be refused or fail, were the rows committed now.
enum class Conflict : std::uint8_t {
    None,
    // No new name: the commit refuses the whole list.
    EmptyName,
    // Another row has the same target (A-Z folded): the commit refuses the list.
    Duplicate,
    // An item is at the target when this row's turn comes: one that stays, or a
    // row's item that only a later row (or a failing one) moves away.
    Exists,
    // Longer than the file system allows.
    TooLong,
    // A character or name the system cannot hold, or a folder's target inside
    // the folder itself.
    Invalid,
    // No folder where the target lies, and no earlier row makes one there.
    NoFolder,
};

// Every row's conflict, in row order. The rows are weighed as the commit takes
// them: one at a time, each seeing the places that earlier rows freed or took;
// the disk is seen through `disk`, as it was when each folder was last read. A
// row with several problems gets the first of: empty name, duplicate, invalid,
// too long, no folder, exists. Keeps its working memory from one run to the next, as it
// runs after every edit.
class ConflictFinder {
  public:
    ConflictFinder();
    ~ConflictFinder();
    ConflictFinder(const ConflictFinder&) = delete;
    ConflictFinder& operator=(const ConflictFinder&) = delete;

    // Each row's new name is `newName(row)` when given (names an edit would make,
    // weighed before it runs), else the row's own; views stay valid while it runs.
    using NewNames = std::function<std::u16string_view(std::size_t row)>;
    const std::vector<Conflict>& Find(const filelist::FileList& list, FolderNames& disk,
                                      const NewNames& newName = {});
    // The same as Find(list, disk), after the last Find or FindAgain on this list and
    // disk (its rows' own names), when only the rows in `changed` had their names or
    // folder texts changed since. Only those rows are weighed again, with the rows
    // that share a folder with their old or new targets, and the rows whose targets
    // are the items of rows whose outcome changed, in the commit's order. Where that
    // might not give what a whole search gives (a folder row's target or outcome
    // changed, targets through folders made by the commit, names that ignore case,
    // or so many rows that searching all is cheaper), it searches all.
    const std::vector<Conflict>& FindAgain(const filelist::FileList& list, FolderNames& disk,
                                           std::span<const std::uint32_t> changed);
    // The next search is a whole one.
    void Forget();

  private:
    struct Work;
    std::unique_ptr<Work> work_;
};

// The same, once.
std::vector<Conflict> FindConflicts(const filelist::FileList& list, FolderNames& disk);

}  // namespace morvalent::commit
