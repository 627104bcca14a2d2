#include <windows.h>

#include "platform/LocalTime.h"

namespace morvalent::platform {

std::optional<DateTimeFields> LocalTimeOf(FileTime time) {
    if (time < 0) return std::nullopt;
    FILETIME utc;
    utc.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(time) & 0xFFFFFFFFu);
    utc.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(time) >> 32);
    SYSTEMTIME universal;
    SYSTEMTIME local;
    // The time zone's rule for that date, daylight saving included.
    if (!FileTimeToSystemTime(&utc, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return std::nullopt;
    }
    return DateTimeFields{local.wYear, local.wMonth,  local.wDay,
                          local.wHour, local.wMinute, local.wSecond};
}

}  // namespace morvalent::platform
