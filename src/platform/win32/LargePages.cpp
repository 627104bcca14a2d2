#include "platform/LargePages.h"

namespace morvalent::platform {

// Large pages on Windows need a privilege users do not have; the hint is dropped.
void PreferLargePages(void*, std::size_t) {}

}  // namespace morvalent::platform
