#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "filelist/FileList.h"
#include "platform/FileTime.h"

namespace morvalent::app {

// One row as it was kept: the item, what the user made of it, its mark.
struct SavedRow {
    std::u16string path;
    std::u16string newName;
    std::u16string folder;  // the edited folder text, when `hasFolder`
    bool hasFolder = false;
    bool selected = false;
};

struct SavedList {
    platform::FileTime savedAt = 0;
    std::vector<SavedRow> rows;
};

// The rows in the form kept on disk (names exactly as held, in order, with marks).
std::string SerialiseList(const filelist::FileList& list, platform::FileTime savedAt);
// Nothing when the bytes are not a whole saved list.
std::optional<SavedList> ParseSavedList(std::string_view bytes);

// Keeps the list in a file of the state folder so that closing the window (or a
// crash) never loses the work. A thread of its own reads the rows and writes
// them, so a command is not held up by the copy or the disk: the rows change
// only under a `Change`, which stops a reading under way at its next piece of
// rows (a fraction of a millisecond) and has it start again when the change ends.
class ListKeeper {
  public:
    // Without a folder nothing is kept. `list` outlives the keeper.
    ListKeeper(std::optional<std::u16string> stateFolder, const filelist::FileList& list);
    // Writes what was asked for, so the file is whole when the program ends.
    ~ListKeeper();
    ListKeeper(const ListKeeper&) = delete;
    ListKeeper& operator=(const ListKeeper&) = delete;

    // Held, on the thread that owns the rows, while they change; changes may nest.
    // A null keeper keeps nothing.
    class Change {
      public:
        explicit Change(ListKeeper* keeper);
        ~Change();
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

      private:
        ListKeeper* keeper_;
    };

    // Has the rows as they are now written in the background; an empty list
    // removes the file.
    void Keep();
    // The same, written on this thread before it returns (the window is closing).
    void KeepNow();
    // The list kept last; nothing when none is kept or it cannot be read.
    std::optional<SavedList> Read();
    void Forget();

  private:
    void BeginChange();
    void EndChange();
    void RunWriter();
    // The rows as bytes; false when a change began before they were all read.
    bool ReadRows(std::string& bytes, bool stopForChanges);
    void WriteFile(const std::string& bytes);

    std::optional<std::u16string> folder_;
    std::u16string file_;
    const filelist::FileList& list_;

    // Held by a change (the whole of it) and by the writer while it reads rows.
    std::mutex rowsLock_;
    // Held while the file is written, so that two writes never meet.
    std::mutex fileLock_;
    std::condition_variable wake_;
    // Set before a change waits for `rowsLock_`: the writer lets go at its next piece.
    std::atomic<bool> changing_{false};
    // Changes under way on the owner's thread (they nest).
    int depth_ = 0;
    // Under `rowsLock_`: a write is asked for; one was cut short by a change; the end.
    bool wanted_ = false;
    bool interrupted_ = false;
    bool stop_ = false;
    // The size of the last write, room to ask for at once in the next.
    std::size_t lastSize_ = 0;
    std::thread writer_;
};

}  // namespace morvalent::app
