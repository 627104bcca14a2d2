#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/FileList.h"

namespace morvalent::commit {

// The rows ordered by their entries' paths, so that the rows beneath a folder are
// one range instead of a look at every row.
class RowPathIndex {
  public:
    void Build(const filelist::FileList& list);
    // The same over any paths, one per row, in row order.
    void Build(const std::vector<std::u16string>& paths);
    bool Built() const { return built_; }

    // A row's path changed from `from` to `to`.
    void Repoint(std::size_t row, std::u16string_view from, std::u16string_view to);
    // Every row whose path lies beneath the folder `from` now lies beneath `to`:
    // returns those rows, their paths keyed anew.
    std::vector<std::size_t> MoveBeneath(std::u16string_view from, std::u16string_view to);

  private:
    std::multimap<std::u16string, std::size_t> rows_;
    bool built_ = false;
};

}  // namespace morvalent::commit
