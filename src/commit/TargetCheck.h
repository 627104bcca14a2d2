#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/FileList.h"

namespace morvalent::commit {

// Where a row is to be: its folder text, the separator, its new name. Nothing is
// trimmed or checked here.
std::u16string BuildTarget(std::u16string_view folder, std::u16string_view newName);

enum class TargetProblem { None, EmptyName, Duplicate };

struct TargetCheck {
    TargetProblem problem = TargetProblem::None;
    // The row the message is about: the one without a name, or the later of two
    // rows with equal targets.
    std::size_t row = 0;
    // For a duplicate: the first earlier row whose target is equal.
    std::size_t earlierRow = 0;
    // The rows' targets in row order: all of them when there is no problem; up to
    // and including `row` for a duplicate.
    std::vector<std::u16string> targets;
};

// Checks the rows in order and stops at the first problem. Targets are equal when
// they match with only A-Z folded to a-z.
TargetCheck CheckTargets(const filelist::FileList& list);

}  // namespace morvalent::commit
