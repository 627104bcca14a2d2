#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/MoveError.h"

namespace morvalent::commit {

// The reason in the user's words: the program's text for a common cause, else the
// system's own text (else its error number).
std::u16string ReasonText(const platform::MoveError& error);

// The failure report's line for a rename that did not happen, with the reason.
std::u16string FailureLine(std::u16string_view source, std::u16string_view target,
                           const platform::MoveError& error);

// The rows the last commit (or undo) could not rename, each with why, by the path
// of the item the row lists: a row that failed was not renamed, its path names it
// wherever sorting or moving takes it, and no two rows list one item.
class FailureMarks {
  public:
    void Clear() { reasons_.clear(); }
    void Mark(std::u16string path, platform::MoveError error);
    // The failure of the row listing `path`; none when it did not fail.
    const platform::MoveError* Of(const std::u16string& path) const;
    std::size_t Count() const { return reasons_.size(); }
    bool Empty() const { return reasons_.empty(); }

  private:
    std::unordered_map<std::u16string, platform::MoveError> reasons_;
};

}  // namespace morvalent::commit
