#include <windows.h>

#include <cstdio>

#include "platform/FileTime.h"

namespace morvalent::platform {

std::u16string FormatLocalFileTime(FileTime time) {
    if (time == kUnknownTime || time < 0) return FormatFileTime(time);
    FILETIME utc;
    utc.dwLowDateTime = DWORD(std::uint64_t(time) & 0xFFFFFFFFu);
    utc.dwHighDateTime = DWORD(std::uint64_t(time) >> 32);
    SYSTEMTIME universal;
    SYSTEMTIME local;
    if (!FileTimeToSystemTime(&utc, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return FormatFileTime(time);
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d %02d:%02d:%02d", int(local.wYear),
                  int(local.wMonth), int(local.wDay), int(local.wHour), int(local.wMinute),
                  int(local.wSecond));
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

}  // namespace morvalent::platform
