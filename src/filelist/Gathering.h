#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "filelist/FileEntry.h"
#include "filelist/FileList.h"
#include "platform/FileSystem.h"

namespace morvalent::filelist {

// The entries a batch has gathered, appended as rows only when the batch is done.
// A deque gives back its memory piece by piece as the rows take the entries, so
// a large drop never holds both in full.
using PendingEntries = std::deque<FileEntry>;

// How folders met in a batch are added.
enum class FolderAnswer { NotAsked, Contents, FolderItself };

// The answer given so far. Lives as long as the program; a batch may reset it to
// NotAsked first.
struct FolderChoice {
    FolderAnswer answer = FolderAnswer::NotAsked;
};

// The question asked at the first folder of a batch.
class FolderQuestion {
  public:
    virtual ~FolderQuestion() = default;
    // True (Yes, or the box closed) to add the folder itself; false for its contents.
    virtual bool AddFolderItself(const std::u16string& folderPath) = 0;
};

// Gathers candidate paths of one batch into pending entries and then appends them.
class Gatherer {
  public:
    Gatherer(FileList& list, platform::FileSystem& fs, FolderQuestion& question,
             FolderChoice& folderChoice);

    // Skips a path already listed (compared with the rows listed before the batch)
    // or one that does not exist; otherwise gathers it. The path is copied only
    // into the entry that keeps it.
    void AddCandidate(PendingEntries& pending, std::u16string_view path);
    // Gathers one path: a file, a folder as a row, or a folder's whole tree.
    void AddPath(PendingEntries& pending, std::u16string_view path, bool isFolder);
    // Orders the pending entries by path and appends one row each, in one batch.
    void AppendPendingRows(PendingEntries& pending);
    // Called every few thousand gathered items, so a window can repaint.
    void SetProgress(std::function<void()> progress) { progress_ = std::move(progress); }
    // Told each folder's whole listing as it is walked, so that what needs the
    // folder's names (the conflict marks) need not list it again.
    // The folder's stamp is read before the listing.
    using ListedFolder = std::function<void(std::u16string_view folder,
                                            const std::optional<platform::FolderStamp>& stamp,
                                            const std::vector<platform::FolderItem>&)>;
    void SetListed(ListedFolder listed) { listedFolder_ = std::move(listed); }
    // Items left out because they could not be found or read: a candidate that is
    // not there, a folder that cannot be listed (one each), an entry that cannot
    // be looked at. Links to folders and paths already listed are left out by rule.
    std::size_t Unreadable() const { return unreadable_; }

  private:
    void Gathered();
    void WalkFolder(PendingEntries& pending, std::u16string_view folder);
    bool IsListed(std::u16string_view path);

    FileList& list_;
    platform::FileSystem& fs_;
    FolderQuestion& question_;
    FolderChoice& folderChoice_;
    bool listedReady_ = false;
    std::unordered_set<std::u16string> listed_;
    std::function<void()> progress_;
    ListedFolder listedFolder_;
    std::size_t sinceProgress_ = 0;
    std::size_t unreadable_ = 0;
};

// Sorts ascending by path in the user's collation; among equal paths the entry
// gathered later goes first.
void SortPendingEntries(PendingEntries& pending);

// folder + separator + name, without doubling a separator the folder ends with;
// the name alone when the folder is empty.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);

}  // namespace morvalent::filelist
