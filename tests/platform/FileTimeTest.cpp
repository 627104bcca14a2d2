#include <gtest/gtest.h>

#include "platform/FileTime.h"

#include <cstdint>

namespace morvalent::platform {
namespace {

TEST(FormatFileTime, WritesUtcFields) {
    struct Row {
        const char* name;
        FileTime time;
        std::u16string expected;
    };
    const Row rows[] = {
        {"zero filetime", 0, u"1601-01-01 00:00:00"},
        {"unix epoch", FileTimeFromUnix(0, 0), u"1970-01-01 00:00:00"},
        {"one second before epoch", FileTimeFromUnix(-1, 0), u"1969-12-31 23:59:59"},
        {"a real moment", FileTimeFromUnix(1733626325, 999999999), u"2024-12-08 02:52:05"},
        {"year 30000", FileTimeFromUnix(884541340800, 0), u"30000-01-01 00:00:00"},
        {"beyond the last tick", FileTimeFromUnix(INT64_MAX, 999999999), u"30828-09-14 02:48:05"},
        {"unknown", kUnknownTime, u""},
    };
    for (const Row& row : rows) EXPECT_EQ(FormatFileTime(row.time), row.expected) << row.name;
}

TEST(FileTimeFromUnix, FarPastIsAKnownTime) {
    EXPECT_NE(FileTimeFromUnix(INT64_MIN, 0), kUnknownTime);
}

TEST(FileTimeFromUnix, CountsHundredNanosecondTicks) {
    EXPECT_EQ(FileTimeFromUnix(0, 0), 116444736000000000);
    EXPECT_EQ(FileTimeFromUnix(1, 250), 116444736000000000 + 10000000 + 2);
}

}  // namespace
}  // namespace morvalent::platform
