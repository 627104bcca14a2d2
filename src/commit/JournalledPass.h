#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commit/History.h"
#include "commit/RenamePass.h"
#include "filelist/GatheredFolders.h"

namespace morvalent::commit {

class JournalWriter;

// The renaming pass with its journal: every planned rename and each item's
// identity on stable storage before the first rename, each row's outcome after it,
// the end mark last. Without a history it is the plain pass.
class JournalledPass {
  public:
    // With `gathered`, a row whose folder is as it was when gathered is journalled
    // with the identity the gathering read, without looking at the disk again.
    JournalledPass(filelist::FileList& list, platform::FileSystem& fs,
                   std::vector<std::u16string> targets, History* history,
                   const filelist::GatheredFolders* gathered = nullptr);
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
    std::optional<platform::FileIdentity> PlannedIdentity(std::size_t row);

    filelist::FileList& list_;
    platform::FileSystem& fs_;
    const filelist::GatheredFolders* gathered_;
    // The last folder asked about in the plan, and whether it is unchanged since the
    // gathering (rows of one folder follow each other).
    std::u16string unchangedFolder_;
    bool unchanged_ = false;
    std::uint64_t unchangedVolume_ = 0;
    RenamePass pass_;
    History* history_;
    std::optional<std::uint64_t> id_;
    platform::FileLock lock_;  // held from Begin until Finish
    platform::AppendFile file_;
    std::unique_ptr<JournalWriter> writer_;
    // The rows in the journal. A planned row's journalled source and target are its
    // own: a renamed folder that moves them along journals their new places at once.
    std::vector<bool> planned_;
    std::size_t current_ = 0;  // the row being renamed, for the copy witness
    bool stopped_ = false;
    bool busy_ = false;
};

}  // namespace morvalent::commit
