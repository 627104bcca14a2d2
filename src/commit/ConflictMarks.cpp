#include "commit/ConflictMarks.h"

#include <algorithm>

namespace morvalent::commit {

bool ConflictMarks::Update(const filelist::FileList& list, FolderNames& disk) {
    const auto changed = list.ChangedSince(seen_);
    const std::vector<Conflict>& marks =
        changed ? finder_.FindAgain(list, disk, *changed) : finder_.Find(list, disk);
    seen_ = list.Changes();
    if (marks == marks_) return false;
    marks_ = marks;
    marked_ = marks_.size() - std::size_t(std::count(marks_.begin(), marks_.end(), Conflict::None));
    return true;
}

void ConflictMarks::Clear() {
    finder_.Forget();
    seen_ = {};
    marks_.clear();
    marked_ = 0;
}

std::optional<std::size_t> ConflictMarks::NextAfter(std::optional<std::size_t> row) const {
    if (marked_ == 0) return std::nullopt;
    const std::size_t start = row && *row + 1 < marks_.size() ? *row + 1 : 0;
    const auto marked = [](Conflict c) { return c != Conflict::None; };
    auto at = std::find_if(marks_.begin() + std::ptrdiff_t(start), marks_.end(), marked);
    if (at == marks_.end()) at = std::find_if(marks_.begin(), marks_.end(), marked);
    return std::size_t(at - marks_.begin());
}

}  // namespace morvalent::commit
