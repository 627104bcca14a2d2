#pragma once

#include <string>

namespace morvalent::platform {

// The common reasons a move fails, as the program explains them to the user.
enum class MoveCause {
    Permission,      // no permission on the item or its folder
    ReadOnly,        // the file system is mounted read-only (or write-protected)
    NoSpace,         // no space or quota left
    NameTooLong,     // the name or path is longer than the system takes
    InUse,           // another program holds the item
    NotFound,        // the item (or a folder on its path) is gone
    CrossDevice,     // a folder cannot be moved to another drive or file system
    TargetExists,    // something already has the target's name
    UnwritableName,  // the name cannot be written exactly (half a surrogate pair)
    Leftover,        // a stopped move left an item that cannot be told from the user's own
    Other,           // none of these: the system's own text says why
};

// Why a move did not happen: the cause, the system's error number (errno; a Win32
// error code on Windows; 0 when the system gave none) and the system's own words
// for it (empty when none).
struct MoveError {
    MoveCause cause = MoveCause::Other;
    int code = 0;
    std::u16string systemText = {};

    friend bool operator==(const MoveError&, const MoveError&) = default;
};

// The cause and the system's words for an error number the system gave.
MoveError DescribeSystemError(int code);

}  // namespace morvalent::platform
