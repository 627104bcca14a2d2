#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commit/History.h"
#include "commit/RenamePass.h"

namespace morvalent::commit {

class JournalWriter;

// The renaming pass with its journal: every planned rename and each item's
// identity on stable storage before the first rename, each row's outcome after it,
// the end mark last. Without a history it is the plain pass.
class JournalledPass {
  public:
    JournalledPass(filelist::FileList& list, platform::FileSystem& fs,
                   std::vector<std::u16string> targets, History* history);
    ~JournalledPass();
    JournalledPass(const JournalledPass&) = delete;
    JournalledPass& operator=(const JournalledPass&) = delete;

    // Writes the plan. False when the journal could not be made, or another
    // commit or undo holds the history's lock (Busy): then nothing may be renamed.
    bool Begin();
    RowOutcome RenameRow(std::size_t row);
    void Finish();
    const std::u16string& Target(std::size_t row) const { return pass_.Target(row); }

    const std::u16string& FailureReport() const { return pass_.FailureReport(); }
    // The journal could no longer be written: the row asked last, and every row
    // after it, was left as it was.
    bool Stopped() const { return stopped_; }
    bool Busy() const { return busy_; }
    // The journal of this commit; nothing when there is none (nothing to rename).
    std::optional<std::uint64_t> JournalId() const { return id_; }

  private:
    void JournalRowsMovedAlong(std::size_t folderRow);

    filelist::FileList& list_;
    RenamePass pass_;
    History* history_;
    std::optional<std::uint64_t> id_;
    platform::FileLock lock_;  // held from Begin until Finish
    platform::AppendFile file_;
    std::unique_ptr<JournalWriter> writer_;
    // The source and target each row was planned with; empty for rows not planned.
    std::vector<std::u16string> planned_;
    std::vector<std::u16string> plannedTargets_;
    std::vector<std::optional<platform::FileIdentity>> identities_;
    std::size_t current_ = 0;  // the row being renamed, for the copy witness
    bool stopped_ = false;
    bool busy_ = false;
};

}  // namespace morvalent::commit
