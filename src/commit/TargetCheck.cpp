#include "commit/TargetCheck.h"

#include "commit/FlatIndex.h"
#include "commit/FolderNames.h"
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
    // Target (A-Z folded) -> first row with it: the row a scan of all earlier rows
    // would meet first. Hashed folded, compared in place: no folded copy per row.
    FlatIndex firstRow;
    firstRow.Reset(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::u16string& name = list.NewName(i);
        if (name.empty()) {
            check.problem = TargetProblem::EmptyName;
            check.row = i;
            return check;
        }
        check.targets.push_back(BuildTarget(list.FolderText(i), name));
        const std::u16string& target = check.targets.back();
        const auto earlier =
            firstRow.Insert(FoldedHash(target), std::uint32_t(i), [&](std::uint32_t other) {
                return platform::CompareAsciiNoCase(check.targets[other], target) == 0;
            });
        if (earlier) {
            check.problem = TargetProblem::Duplicate;
            check.row = i;
            check.earlierRow = *earlier;
            return check;
        }
    }
    return check;
}

}  // namespace morvalent::commit
