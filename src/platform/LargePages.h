#pragma once

#include <cstddef>

namespace morvalent::platform {

// Asks the system to back a large buffer not yet written with large pages: a
// buffer filled once from end to end (a decoded list of a million lines) then
// takes a few hundred page faults instead of tens of thousands. Only a hint;
// nothing happens where the system has no such pages or the buffer is small.
void PreferLargePages(void* data, std::size_t bytes);

}  // namespace morvalent::platform
