#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "commit/RowPathIndex.h"
#include "filelist/FileList.h"
#include "platform/FileSystem.h"
#include "platform/MoveError.h"

namespace morvalent::commit {

enum class RowResult { Skipped, Renamed, Failed };

struct RowOutcome {
    RowResult result = RowResult::Skipped;
    // Failed: why the move did not happen.
    platform::MoveError error;
    // The report of an error raised while the row was handled, for the caller to
    // show before it goes on; empty otherwise.
    std::u16string errorReport;
};

// Renames rows one at a time, each seeing the disk as the earlier ones left it.
// A renamed row takes its target as its path (columns and icon follow); the rows
// beneath a renamed folder, and the targets beneath it, are repointed to the
// folder's new place, so an unchanged row stays put and an edited one lands in the
// renamed folder whatever the row order. Rows that
// cannot be renamed stay as they are and add one line to the failure report.
class RenamePass {
  public:
    // `targets` holds one target per row, in row order.
    RenamePass(filelist::FileList& list, platform::FileSystem& fs,
               std::vector<std::u16string> targets);

    RowOutcome RenameRow(std::size_t row);
    // The row's target as it stands: targets beneath a renamed folder move with it.
    const std::u16string& Target(std::size_t row) const { return targets_[row]; }
    // The failure lines so far, in the order the rows were handled.
    const std::u16string& FailureReport() const { return failures_; }
    // The pass's moves and identity look-ups: folders it holds open serve them all.
    platform::MoveRun& Moves() { return *moves_; }
    // The rows whose path or target the last renamed row (a folder) took along.
    const std::vector<std::size_t>& RowsMovedAlong() const { return movedAlong_; }

  private:
    void RepointBeneath(std::size_t folderRow, const std::u16string& from,
                        const std::u16string& to);
    // Whether the target's name fits its folder's file system (a volume made for
    // Windows on Linux); the rules of the last folder asked are kept.
    bool FitsFolderRules(std::u16string_view target);

    filelist::FileList& list_;
    platform::FileSystem& fs_;
    std::unique_ptr<platform::MoveRun> moves_;
    std::vector<std::u16string> targets_;
    std::u16string failures_;
    std::vector<std::size_t> movedAlong_;
    // Built at the first renamed folder; commits of files alone never pay for it.
    RowPathIndex index_;
    RowPathIndex targetIndex_;
    std::u16string rulesFolder_;
    bool windowsRules_ = false;
    std::unordered_map<std::u16string, bool> folderRules_;  // whether Windows rules apply
};

}  // namespace morvalent::commit
