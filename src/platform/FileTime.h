#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace morvalent::platform {

// 100-nanosecond ticks since 1601-01-01 UTC.
using FileTime = std::int64_t;

// A time the file system did not report (creation time on many Linux file
// systems). Shown as an empty cell; orders before every real time.
inline constexpr FileTime kUnknownTime = std::numeric_limits<FileTime>::min();

FileTime FileTimeFromUnix(std::int64_t seconds, std::uint32_t nanoseconds);

// "%d-%02d-%02d %02d:%02d:%02d" in UTC; empty for kUnknownTime.
std::u16string FormatFileTime(FileTime time);
// The same in the system's local time zone.
std::u16string FormatLocalFileTime(FileTime time);

FileTime CurrentFileTime();

}  // namespace morvalent::platform
