#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commit/Journal.h"
#include "platform/DurableFiles.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"

namespace morvalent::commit {

enum class CommitState {
    Complete,      // 완료
    SomeFailed,    // 일부 실패: rows the commit, or an undo, could not do
    Failed,        // 실패: the commit renamed nothing it tried
    Interrupted,   // 중단됨: no end mark
    Undone,        // 되돌림
    PartlyUndone,  // 일부 되돌림: an undo ran, and rows are still left to undo
};

struct CommitSummary {
    std::uint64_t id = 0;
    platform::FileTime started = platform::kUnknownTime;
    std::size_t renamed = 0;
    std::size_t failed = 0;  // rows the commit could not rename
    CommitState state = CommitState::Complete;
    std::u16string folder;  // the folder of the first row's item
};

CommitSummary Summarise(std::uint64_t id, const Journal& journal);

// The folder of commit journals: one file per commit, named by its id, the ids
// counting up.
class History {
  public:
    // How many journals are kept.
    static constexpr std::size_t kKept = 100;

    History(platform::FileSystem& fs, std::u16string folder);
    // The folder of journals in the program's state folder.
    static std::u16string FolderIn(std::u16string_view stateFolder);

    platform::FileSystem& Fs() { return fs_; }
    const std::u16string& Folder() const { return folder_; }
    // The ids of the journals there, oldest first.
    std::vector<std::uint64_t> Ids() const;
    std::u16string PathOf(std::uint64_t id) const;
    // Nothing when there is no such journal.
    std::optional<Journal> Read(std::uint64_t id) const;
    // Every commit, newest first.
    std::vector<CommitSummary> List() const;
    // The newest commit with anything left to undo.
    std::optional<std::uint64_t> NewestUndoable() const;

    // Removes the oldest journals until `keep` are left.
    void Prune(std::size_t keep);
    // Makes the folder if needed and a new journal file in it, with the next id.
    std::optional<std::uint64_t> Create(platform::AppendFile& file);
    // The turn of one commit or undo among every process's: held from before it
    // makes or reads its journal until its last rename, so two never interleave.
    // Makes the folder if needed.
    [[nodiscard]] platform::LockResult Lock(platform::FileLock& lock) const;

  private:
    platform::FileSystem& fs_;
    std::u16string folder_;
};

}  // namespace morvalent::commit
