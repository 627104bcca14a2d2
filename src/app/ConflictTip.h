#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "commit/Conflicts.h"

namespace morvalent::app {

// What the window says over a marked new name; empty for none.
std::u16string_view ConflictTip(commit::Conflict conflict);

// What the window says over a new name whose change would not be seen
// (filelist::UnseenChange bits); empty for none.
std::u16string UnseenChangeTip(std::uint8_t unseen);

}  // namespace morvalent::app
