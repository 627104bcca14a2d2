#include <gtest/gtest.h>

#include "platform/LocalTime.h"
#include "support/PosixTimeZone.h"

namespace morvalent::platform {
namespace {

using testing::TimeZone;

TEST(LocalTimeOf, Table) {
    struct Case {
        const char* name;
        const char* zone;
        FileTime time;
        DateTimeFields expected;
    };
    const Case cases[] = {
        {"Seoul is nine hours ahead",
         "KST-9",
         FileTimeFromUnix(1704067199, 0),
         {2024, 1, 1, 8, 59, 59}},
        {"across midnight backwards",
         "EST5",
         FileTimeFromUnix(1704067200, 0),
         {2023, 12, 31, 19, 0, 0}},
        {"fractions of a second cut",
         "UTC0",
         FileTimeFromUnix(1715954589, 999999999),
         {2024, 5, 17, 14, 3, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TimeZone zone(c.zone);
        const auto local = LocalTimeOf(c.time);
        ASSERT_TRUE(local.has_value());
        EXPECT_EQ(local->year, c.expected.year);
        EXPECT_EQ(local->month, c.expected.month);
        EXPECT_EQ(local->day, c.expected.day);
        EXPECT_EQ(local->hour, c.expected.hour);
        EXPECT_EQ(local->minute, c.expected.minute);
        EXPECT_EQ(local->second, c.expected.second);
    }
    EXPECT_FALSE(LocalTimeOf(kUnknownTime).has_value());
}

}  // namespace
}  // namespace morvalent::platform
