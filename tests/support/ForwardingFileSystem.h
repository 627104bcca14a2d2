#pragma once

#include "platform/ForwardingFileSystem.h"

namespace morvalent::testing {

// The one base of the tests' file-system doubles: everything passes on to the
// native system (or the one given), so a commit test runs the program's own
// MoveRun; a double overrides Move to count or refuse moves.
using platform::ForwardingFileSystem;

}  // namespace morvalent::testing
