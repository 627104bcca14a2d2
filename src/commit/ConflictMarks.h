#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "commit/Conflicts.h"

namespace morvalent::commit {

// The list's conflicts as last found, for the view to show and for moving from
// one marked row to the next.
class ConflictMarks {
  public:
    // Finds them anew (weighing again only the rows changed since the last time,
    // where the list can tell); true when any row's mark changed.
    bool Update(const filelist::FileList& list, FolderNames& disk);
    void Clear();

    Conflict At(std::size_t row) const {
        return row < marks_.size() ? marks_[row] : Conflict::None;
    }
    std::size_t MarkedCount() const { return marked_; }
    // The first marked row after `row` (from the top when none), around the end.
    std::optional<std::size_t> NextAfter(std::optional<std::size_t> row) const;

  private:
    ConflictFinder finder_;
    std::vector<Conflict> marks_;
    std::size_t marked_ = 0;
    filelist::FileList::ChangeMark seen_;
};

}  // namespace morvalent::commit
