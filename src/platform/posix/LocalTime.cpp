#include "platform/LocalTime.h"

#include <ctime>

namespace morvalent::platform {

std::optional<DateTimeFields> LocalTimeOf(FileTime time) {
    if (time == kUnknownTime) return std::nullopt;
    constexpr std::int64_t kTicksPerSecond = 10'000'000;
    constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;
    std::int64_t seconds = time / kTicksPerSecond;
    if (time % kTicksPerSecond < 0) --seconds;
    const std::time_t unix = static_cast<std::time_t>(seconds - kSecondsFrom1601To1970);
    std::tm local{};
    if (localtime_r(&unix, &local) == nullptr) return std::nullopt;
    return DateTimeFields{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                          local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace morvalent::platform
