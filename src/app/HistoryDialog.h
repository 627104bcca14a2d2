#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commit/History.h"

namespace morvalent::app {

// The state of a commit in words.
const char16_t* StateText(commit::CommitState state);

// What the history dialog shows: the commits, newest first, and the renames of
// any of them; and which one the user chose to undo.
class HistoryDialog {
  public:
    struct Entry {
        std::uint64_t id = 0;
        std::u16string when;  // local date and time
        std::u16string count;
        std::u16string folder;
        std::u16string state;
    };
    struct Rename {
        std::u16string from;
        std::u16string to;
    };

    explicit HistoryDialog(const commit::History& history);

    const std::vector<Entry>& Entries() const { return entries_; }
    // The renames the commit made, in order.
    std::vector<Rename> RenamesOf(std::size_t entry) const;

    void Choose(std::size_t entry) { chosen_ = entry; }
    std::optional<std::size_t> Chosen() const { return chosen_; }

  private:
    const commit::History& history_;
    std::vector<Entry> entries_;
    std::optional<std::size_t> chosen_;
};

}  // namespace morvalent::app
