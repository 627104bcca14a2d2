#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MoveError.h"

namespace morvalent::commit {

// The reason in the user's words: the program's text for a common cause, else the
// system's own text (else its error number).
std::u16string ReasonText(const platform::MoveError& error);

// The failure report's line for a rename that did not happen, with the reason.
std::u16string FailureLine(std::u16string_view source, std::u16string_view target,
                           const platform::MoveError& error);

// The rows the last commit (or undo) could not rename, each with why. The list's
// rows stay in place through a commit, so a row number names the row until the
// list next changes; the owner clears the marks then.
class FailureMarks {
  public:
    void Clear() { reasons_.clear(); }
    void Mark(std::size_t row, platform::MoveError error);
    // The row's failure; none when the row did not fail.
    const platform::MoveError* At(std::size_t row) const;
    // The row's reason in the user's words; empty when the row did not fail.
    std::u16string TextAt(std::size_t row) const;
    std::size_t Count() const { return reasons_.size(); }
    bool Empty() const { return reasons_.empty(); }

  private:
    struct Marked {
        std::size_t row;
        platform::MoveError error;
    };
    std::vector<Marked> reasons_;  // in row order
};

}  // namespace morvalent::commit
