#include <gtest/gtest.h>

#include <string>

#include "platform/PhotoDate.h"
#include "support/TempDir.h"
#include "support/TestJpeg.h"

namespace morvalent::platform {
namespace {

using namespace std::string_literals;
using testing::JpegWithDateTaken;

TEST(ReadDateTaken, Table) {
    ASSERT_TRUE(CanReadDateTaken());
    testing::TempDir dir;
    dir.WriteFile("taken.jpg", JpegWithDateTaken("2024:05:17 14:03:09"));
    dir.WriteFile("no clock.jpg", JpegWithDateTaken("0000:00:00 00:00:00"));
    dir.WriteFile("no exif.jpg", testing::JpegWithoutExif());
    dir.WriteFile("not an image.jpg", "plain text");
    dir.WriteFile("사진.jpg", JpegWithDateTaken("1999:12:31 23:59:58"));

    const auto taken = ReadDateTaken(dir.Join(u"taken.jpg"));
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->year, 2024);
    EXPECT_EQ(taken->month, 5);
    EXPECT_EQ(taken->day, 17);
    EXPECT_EQ(taken->hour, 14);
    EXPECT_EQ(taken->minute, 3);
    EXPECT_EQ(taken->second, 9);
    const auto korean = ReadDateTaken(dir.Join(u"사진.jpg"));
    ASSERT_TRUE(korean.has_value());
    EXPECT_EQ(korean->year, 1999);
    EXPECT_EQ(korean->second, 58);

    for (const char16_t* name :
         {u"no clock.jpg", u"no exif.jpg", u"not an image.jpg", u"missing.jpg"}) {
        SCOPED_TRACE(testing::U8(name));
        EXPECT_FALSE(ReadDateTaken(dir.Join(name)).has_value());
    }
}

}  // namespace
}  // namespace morvalent::platform
