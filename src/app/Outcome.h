#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/MoveError.h"

namespace morvalent::app {

// One row the commit could not rename.
struct RenameFailure {
    std::u16string source;
    std::u16string target;
    // The error raised while the row was handled; empty when the move was refused.
    std::u16string reason;
    // Why the row was not renamed.
    platform::MoveError error = {};
};

// How a command ended. The texts the user saw were shown by the command; this is
// what the caller decides from (the terminal's exit status, for one).
struct Outcome {
    enum class Kind {
        Done,       // ran to its end
        Cancelled,  // the user cancelled a question; nothing changed
        Refused,    // the values or the names were refused with `message`
        Committed,  // the commit went through every row
    };
    Kind kind = Kind::Done;
    std::u16string message;               // Refused
    std::size_t renamed = 0;              // Committed
    std::vector<RenameFailure> failures;  // Committed, in row order
    // Done after gathering: the items that could not be found or read, left out.
    std::size_t unreadable = 0;

    static Outcome Done() { return {}; }
    static Outcome Cancelled() { return {Kind::Cancelled, {}, 0, {}}; }
    static Outcome Refused(std::u16string message) {
        return {Kind::Refused, std::move(message), 0, {}};
    }
    static Outcome Committed(std::size_t renamed, std::vector<RenameFailure> failures) {
        return {Kind::Committed, {}, renamed, std::move(failures)};
    }
};

}  // namespace morvalent::app
