#include "commit/JournalledPass.h"

#include <algorithm>

#include "commit/JournalWriter.h"
#include "platform/Path.h"

namespace morvalent::commit {
JournalledPass::JournalledPass(filelist::FileList& list, platform::FileSystem& fs,
                               std::vector<std::u16string> targets, History* history,
                               const filelist::GatheredFolders* gathered)
    : list_(list),
      fs_(fs),
      gathered_(gathered),
      pass_(list, fs, std::move(targets)),
      history_(history) {}

JournalledPass::~JournalledPass() = default;

bool JournalledPass::Begin() {
    if (history_ == nullptr) return true;
    const std::size_t count = list_.Count();
    planned_.assign(count, false);
    std::size_t plannedCount = 0;
    for (std::size_t row = 0; row < count; ++row) {
        if (list_.Entry(row).path == pass_.Target(row)) continue;
        planned_[row] = true;
        ++plannedCount;
    }
    if (plannedCount == 0) {
        // Nothing is to be renamed: no journal, and nothing will be renamed later
        // either, as only a renamed folder moves other rows.
        history_ = nullptr;
        return true;
    }
    // Another process's commit or undo has its turn: nothing of this one starts.
    if (const platform::LockResult lock = history_->Lock(lock_);
        lock != platform::LockResult::Held) {
        busy_ = lock == platform::LockResult::Busy;
        return false;
    }
    history_->Prune(History::kKept - 1);
    id_ = history_->Create(file_);
    if (!id_) return false;
    writer_ = std::make_unique<JournalWriter>(file_);
    writer_->Header(platform::CurrentFileTime());
    // Looked up in the folders the renames will then use.
    platform::MoveRun& moves = pass_.Moves();
    for (std::size_t row = 0; row < count; ++row) {
        if (!planned_[row]) continue;
        const std::u16string& source = list_.Entry(row).path;
        writer_->Row(row, PlannedIdentity(row), source, pass_.Target(row));
    }
    writer_->PlanEnd(plannedCount);
    if (!writer_->Sync() || !platform::SyncFolder(history_->Folder())) {
        writer_.reset();
        file_.Close();
        platform::RemoveFile(history_->PathOf(*id_));
        id_.reset();
        return false;
    }
    // A copy onto another volume takes a new identity: the journal has it on
    // stable storage before the copy is named, so that an undo after a stop at any
    // point finds the copy, or the source still whole, or both (then the copy goes).
    moves.WatchCopies([this](const platform::FileIdentity& copy) {
        writer_->Copy(current_, copy);
        return writer_->Sync();
    });
    // A move without the system's no-replace rename leaves a placeholder or a second
    // name between its steps: on stable storage before it can exist, and its identity
    // written out before the move goes on (a stop of the program loses no write; after
    // a stop of the system, an undo that finds an unnamed one reports it).
    moves.WatchSteps([this](const platform::MoveStep& step) {
        writer_->Spare(current_, step);
        return step.made ? writer_->Flush() : writer_->Sync();
    });
    return true;
}

RowOutcome JournalledPass::RenameRow(std::size_t row) {
    if (!writer_) return pass_.RenameRow(row);
    if (!writer_->Ok()) {
        // The journal no longer tells what the disk holds: nothing more is renamed.
        stopped_ = true;
        return {};
    }
    const std::u16string& source = list_.Entry(row).path;
    const std::u16string& target = pass_.Target(row);
    // A renamed folder took this row's item, or its target, along: the journal
    // learns the new places before the item moves again, so that an undo after a
    // crash knows where to look for it and where to put it.
    // (A planned row moved along is journalled as the folder is renamed, so its
    // journalled places are its places here.)
    if (!planned_[row]) {
        if (source == target) return pass_.RenameRow(row);
        writer_->Row(row, pass_.Moves().ReadIdentity(source), source, target);
        if (!writer_->Sync()) {
            stopped_ = true;
            return {};
        }
        planned_[row] = true;
    }
    current_ = row;
    const RowOutcome outcome = pass_.RenameRow(row);
    if (outcome.result == RowResult::Renamed) {
        writer_->Done(row, std::nullopt);
        JournalRowsMovedAlong(row);
    } else if (outcome.result == RowResult::Failed) {
        writer_->Failed(row);
    }
    return outcome;
}

// The identity the plan records: the gathering's, while the row's folder is as it
// was then (no entry added, removed or renamed, so the name still names the item
// the walk read); else the disk's, looked up in the folder the rename will use.
std::optional<platform::FileIdentity> JournalledPass::PlannedIdentity(std::size_t row) {
    const filelist::FileEntry& entry = list_.Entry(row);
    const std::size_t cut = entry.path.find_last_of(platform::kPathSeparator);
    if (gathered_ != nullptr && entry.fileNumber != 0 && cut != std::u16string::npos) {
        const std::u16string_view folder = std::u16string_view(entry.path).substr(0, cut);
        if (folder != unchangedFolder_) {
            unchangedFolder_ = folder;
            const platform::FolderStamp* then = gathered_->Settled(folder);
            const auto now = then != nullptr ? fs_.ReadFolderStamp(folder) : std::nullopt;
            unchanged_ = now && now->SameFolderAsBefore(*then);
            if (unchanged_) unchangedVolume_ = then->volume;
        }
        if (unchanged_) {
            return platform::FileIdentity{.volume = unchangedVolume_,
                                          .file = entry.fileNumber,
                                          .birth = entry.creationTime};
        }
    }
    return pass_.Moves().ReadIdentity(entry.path);
}

// The rows still to come beneath a renamed folder: their new places are on stable
// storage, in one go, before any of them is renamed.
void JournalledPass::JournalRowsMovedAlong(std::size_t folderRow) {
    // Every row listed had its path, its target or both moved: each is journalled
    // once, with both as they now are.
    std::vector<std::size_t> rows = pass_.RowsMovedAlong();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    bool written = false;
    for (std::size_t row : rows) {
        if (row <= folderRow || !planned_[row]) continue;
        writer_->From(row, list_.Entry(row).path, pass_.Target(row));
        written = true;
    }
    // A failure stops the pass at the next row.
    if (written) (void)writer_->Sync();
}

void JournalledPass::Finish() {
    if (!writer_) return;
    writer_->End(platform::CurrentFileTime());
    // An end mark that did not reach the disk leaves the commit "interrupted"; the
    // undo then checks every row on disk, which is still right.
    (void)writer_->Sync();
    writer_.reset();
    file_.Close();
    lock_.Unlock();
}

}  // namespace morvalent::commit
