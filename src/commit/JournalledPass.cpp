#include "commit/JournalledPass.h"

#include "commit/JournalWriter.h"
#include "platform/Path.h"

namespace morvalent::commit {
JournalledPass::JournalledPass(filelist::FileList& list, platform::FileSystem& fs,
                               std::vector<std::u16string> targets, History* history)
    : list_(list), pass_(list, fs, std::move(targets)), history_(history) {}

JournalledPass::~JournalledPass() = default;

bool JournalledPass::Begin() {
    if (history_ == nullptr) return true;
    const std::size_t count = list_.Count();
    planned_.assign(count, {});
    plannedTargets_.assign(count, {});
    identities_.assign(count, std::nullopt);
    std::size_t plannedCount = 0;
    for (std::size_t row = 0; row < count; ++row) {
        if (list_.Entry(row).path == pass_.Target(row)) continue;
        planned_[row] = list_.Entry(row).path;
        plannedTargets_[row] = pass_.Target(row);
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
        if (planned_[row].empty()) continue;
        identities_[row] = moves.ReadIdentity(planned_[row]);
        writer_->Row(row, identities_[row], planned_[row], pass_.Target(row));
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
    if (planned_[row].empty()) {
        if (source == target) return pass_.RenameRow(row);
        identities_[row] = pass_.Moves().ReadIdentity(source);
        writer_->Row(row, identities_[row], source, target);
        if (!writer_->Sync()) {
            stopped_ = true;
            return {};
        }
        planned_[row] = source;
        plannedTargets_[row] = target;
    } else if (source != planned_[row] || target != plannedTargets_[row]) {
        writer_->From(row, source, target);
        if (!writer_->Sync()) {
            stopped_ = true;
            return {};
        }
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

// The rows still to come beneath a renamed folder: their new places are on stable
// storage, in one go, before any of them is renamed.
void JournalledPass::JournalRowsMovedAlong(std::size_t folderRow) {
    bool written = false;
    for (std::size_t row : pass_.RowsMovedAlong()) {
        if (row <= folderRow || planned_[row].empty()) continue;
        const std::u16string& source = list_.Entry(row).path;
        const std::u16string& target = pass_.Target(row);
        if (source == planned_[row] && target == plannedTargets_[row]) continue;
        writer_->From(row, source, target);
        planned_[row] = source;
        plannedTargets_[row] = target;
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
