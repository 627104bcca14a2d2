#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "filelist/FileList.h"

namespace morvalent::filelist {

// One edit's new names, in one batch. A name that fits in the room its row has is
// copied there at once, while the row is still in the cache; a longer one waits
// for `Keep`, which stores them all. Without `Keep`, the end puts every replaced
// name back, so an edit that fails or is refused part way leaves the rows as they
// were. Neither `Keep` nor putting back allocates. Each row is set at most once.
class NameRewrite {
  public:
    explicit NameRewrite(FileList& list);
    ~NameRewrite();
    NameRewrite(const NameRewrite&) = delete;
    NameRewrite& operator=(const NameRewrite&) = delete;

    void Set(std::size_t row, std::u16string name);
    void Keep() noexcept;

  private:
    FileList& list_;
    FileList::Batch batch_;
    // The names replaced in place, each followed by its length and row number.
    std::u16string log_;
    // Names longer than their row's room, stored by `Keep`. Stored in one go after
    // all are made, because allocating them between frees of names of another
    // size keeps the allocator busy sorting its free lists.
    std::vector<std::pair<std::size_t, std::u16string>> longer_;
    bool kept_ = false;
};

}  // namespace morvalent::filelist
