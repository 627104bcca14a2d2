#include "platform/FileTime.h"

#include <chrono>
#include <cstdio>
#include <limits>

#include "platform/LocalTime.h"

namespace morvalent::platform {
namespace {
constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;
}  // namespace

FileTime FileTimeFromUnix(std::int64_t seconds, std::uint32_t nanoseconds) {
    // A file system may hold any 64-bit second count; the ends of the tick range
    // stand for whatever lies beyond them (kUnknownTime itself stays reserved).
    constexpr std::int64_t kMaxSeconds =
        std::numeric_limits<FileTime>::max() / kTicksPerSecond - kSecondsFrom1601To1970 - 1;
    constexpr std::int64_t kMinSeconds =
        std::numeric_limits<FileTime>::min() / kTicksPerSecond - kSecondsFrom1601To1970 + 1;
    if (seconds > kMaxSeconds) return std::numeric_limits<FileTime>::max();
    if (seconds < kMinSeconds) return kUnknownTime + 1;
    return (seconds + kSecondsFrom1601To1970) * kTicksPerSecond + nanoseconds % 1'000'000'000 / 100;
}

FileTime CurrentFileTime() {
    using namespace std::chrono;
    const auto sinceEpoch = system_clock::now().time_since_epoch();
    const auto whole = duration_cast<seconds>(sinceEpoch);
    return FileTimeFromUnix(whole.count(),
                            std::uint32_t(duration_cast<nanoseconds>(sinceEpoch - whole).count()));
}

std::u16string FormatFileTime(FileTime time) {
    if (time == kUnknownTime) return {};
    using namespace std::chrono;
    // Floor division keeps times before 1970 (down to 1601) on the right day.
    std::int64_t seconds = time / kTicksPerSecond;
    if (time % kTicksPerSecond < 0) --seconds;
    seconds -= kSecondsFrom1601To1970;
    std::int64_t days = seconds / 86400;
    std::int64_t secondOfDay = seconds % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --days;
    }
    year_month_day date{sys_days{std::chrono::days{days}}};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d-%02u-%02u %02d:%02d:%02d", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(secondOfDay / 3600),
                  int(secondOfDay / 60 % 60), int(secondOfDay % 60));
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

std::u16string FormatLocalFileTime(FileTime time) {
    const auto local = LocalTimeOf(time);
    if (!local) return FormatFileTime(time);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d %02d:%02d:%02d", local->year, local->month,
                  local->day, local->hour, local->minute, local->second);
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

}  // namespace morvalent::platform
