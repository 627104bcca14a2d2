#pragma once

#include <optional>

#include "platform/FileTime.h"

namespace morvalent::platform {

// A moment as a clock on the wall shows it.
struct DateTimeFields {
    int year = 1601;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The file time in the user's time zone; nothing for kUnknownTime or a time the
// system cannot convert.
std::optional<DateTimeFields> LocalTimeOf(FileTime time);

}  // namespace morvalent::platform
