#include "commit/TargetCheck.h"

#include <unordered_map>

#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::commit {

std::u16string BuildTarget(std::u16string_view folder, std::u16string_view newName) {
    std::u16string target;
    target.reserve(folder.size() + 1 + newName.size());
    target.append(folder);
    target.push_back(platform::kPathSeparator);
    target.append(newName);
    return target;
}

TargetCheck CheckTargets(const filelist::FileList& list) {
    TargetCheck check;
    const std::size_t count = list.Count();
    check.targets.reserve(count);
    // Folded target -> first row with it: the row a scan of all earlier rows
    // would meet first.
    std::unordered_map<std::u16string, std::size_t> firstRow;
    firstRow.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::u16string& name = list.NewName(i);
        if (name.empty()) {
            check.problem = TargetProblem::EmptyName;
            check.row = i;
            return check;
        }
        std::u16string target = BuildTarget(list.FolderText(i), name);
        const auto [at, inserted] = firstRow.try_emplace(platform::FoldAscii(target), i);
        check.targets.push_back(std::move(target));
        if (!inserted) {
            check.problem = TargetProblem::Duplicate;
            check.row = i;
            check.earlierRow = at->second;
            return check;
        }
    }
    return check;
}

}  // namespace morvalent::commit
