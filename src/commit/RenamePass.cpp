#include "commit/RenamePass.h"

#include <exception>

#include "commit/CommitTexts.h"
#include "commit/ExactName.h"
#include "commit/FailureReasons.h"
#include "commit/MovedItems.h"
#include "platform/NameRules.h"
#include "platform/Text.h"

namespace morvalent::commit {
RenamePass::RenamePass(filelist::FileList& list, platform::FileSystem& fs,
                       std::vector<std::u16string> targets)
    : list_(list), fs_(fs), moves_(fs.BeginMoves()), targets_(std::move(targets)) {}

bool RenamePass::FitsFolderRules(std::u16string_view target) {
    std::size_t at = target.size();
    while (at > 0 && !platform::IsPathSeparator(target[at - 1])) --at;
    if (at == 0) return true;
    const std::u16string_view folder = target.substr(0, at - 1);
    if (folder != rulesFolder_) {
        rulesFolder_.assign(folder);
        // Rows of many folders may come in any order: each folder is asked once.
        const auto [at, added] = folderRules_.try_emplace(rulesFolder_, false);
        if (added) at->second = fs_.FolderNameRules(folder) == platform::NameRuleSet::Windows;
        windowsRules_ = at->second;
    }
    return !windowsRules_ || !platform::BreaksWindowsNameRules(target.substr(at));
}

RowOutcome RenamePass::RenameRow(std::size_t row) {
    movedAlong_.clear();
    const std::u16string& target = targets_[row];
    const filelist::FileEntry& entry = list_.Entry(row);
    // Only an exact match is the item's own name; a change of letter case is a rename.
    if (target == entry.path) return {};
    const std::u16string source = entry.path;
    const bool isFolder = entry.isFolder;
    try {
        // A name that would not read back as shown fails whole rather than being
        // renamed to some other name; so does one the volume refuses (one FUSE
        // driver loses the item on trying).
        platform::MoveError error{.cause = platform::MoveCause::UnwritableName};
        const bool moved = IsExactTarget(source, target) && FitsFolderRules(target) && [&] {
            const platform::MoveOutcome outcome = moves_->MoveNoReplace(source, target);
            if (outcome.result == platform::MoveResult::Moved) return true;
            error = platform::MoveErrorOf(outcome);
            return false;
        }();
        if (!moved) {
            failures_ += FailureLine(source, target, error);
            return {RowResult::Failed, std::move(error), {}};
        }
        if (index_.Built()) index_.Repoint(row, source, target);
        list_.SetEntryPath(row, target);
        if (isFolder) {
            moves_->FoldersMoved();
            RepointBeneath(row, source, target);
        }
        return {RowResult::Renamed, {}, {}};
    } catch (const std::exception& error) {
        failures_ += platform::FormatText(texts::kErrorLine, source, target);
        std::u16string what = platform::Utf8ToUtf16(error.what());
        return {RowResult::Failed, {platform::MoveCause::Other, 0, what}, what};
    }
}

// The items beneath a renamed folder moved with it: their rows follow, and a folder
// text or a target that named the old place names the new one. Left on the old
// path, a target would move an unchanged row out of the renamed folder.
void RenamePass::RepointBeneath(std::size_t folderRow, const std::u16string& from,
                                const std::u16string& to) {
    if (!index_.Built()) index_.Build(list_);
    if (!targetIndex_.Built()) targetIndex_.Build(targets_);
    for (std::size_t row : targetIndex_.MoveBeneath(from, to)) {
        targets_[row] = to + targets_[row].substr(from.size());
        movedAlong_.push_back(row);
    }
    RepointRowsBeneath(list_, index_, from, to, folderRow, &movedAlong_);
}

}  // namespace morvalent::commit
