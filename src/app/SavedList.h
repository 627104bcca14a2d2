#pragma once

#include <cstddef>
#include <future>
#include <optional>
#include <string>
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
// crash) never loses the work. The rows are copied out at once; the writing
// happens on a thread of its own, so a command is not held up by the disk.
class ListKeeper {
  public:
    // Without a folder nothing is kept.
    explicit ListKeeper(std::optional<std::u16string> stateFolder);
    // Waits for a write under way, so the file is whole when the program ends.
    ~ListKeeper();
    ListKeeper(const ListKeeper&) = delete;
    ListKeeper& operator=(const ListKeeper&) = delete;

    // Keeps the rows, written in the background; an empty list removes the file.
    void Keep(const filelist::FileList& list);
    // The same, written before it returns (the window is closing).
    void KeepNow(const filelist::FileList& list);
    // The list kept last; nothing when none is kept or it cannot be read.
    std::optional<SavedList> Read();
    void Forget();

  private:
    void Wait();

    std::optional<std::u16string> folder_;
    std::u16string file_;
    std::future<void> writing_;
};

}  // namespace morvalent::app
