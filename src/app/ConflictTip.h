#pragma once

#include <string_view>

#include "commit/Conflicts.h"

namespace morvalent::app {

// What the window says over a marked new name; empty for none.
std::u16string_view ConflictTip(commit::Conflict conflict);

}  // namespace morvalent::app
