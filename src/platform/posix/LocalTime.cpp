#include <time.h>

#include <cstdio>

#include "platform/FileTime.h"

namespace morvalent::platform {

std::u16string FormatLocalFileTime(FileTime time) {
    if (time == kUnknownTime) return {};
    constexpr std::int64_t kTicksPerSecond = 10'000'000;
    constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;
    std::int64_t seconds = time / kTicksPerSecond;
    if (time % kTicksPerSecond < 0) --seconds;
    const time_t unix = time_t(seconds - kSecondsFrom1601To1970);
    struct tm local;
    if (localtime_r(&unix, &local) == nullptr) return FormatFileTime(time);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

}  // namespace morvalent::platform
