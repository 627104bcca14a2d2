#include "platform/LargePages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace morvalent::platform {

void PreferLargePages(void* data, std::size_t bytes) {
#if defined(MADV_HUGEPAGE)
    // Below a large page or two there is nothing to gain.
    constexpr std::size_t kWorthIt = std::size_t(4) << 20;
    if (bytes < kWorthIt) return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    // Only the whole pages inside the buffer: the advice covers whole pages, and
    // the ones at its ends may hold other allocations.
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t end = (start + bytes) / page * page;
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

}  // namespace morvalent::platform
