#include <gtest/gtest.h>

#include <string>

#include "platform/PhotoDate.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using namespace std::string_literals;

// A JPEG holding nothing but an Exif block (little-endian TIFF) whose Exif
// folder has one entry: DateTimeOriginal, the given 19 characters.
std::string JpegWithDateTaken(const std::string& date) {
    const std::string tiff =
        "II*\0\x08\0\0\0"s                     // header, first folder at 8
        "\x01\0"                               // IFD0: one entry
        "\x69\x87\x04\0\x01\0\0\0\x1A\0\0\0"s  //   Exif folder at 26
        "\0\0\0\0"s                            // no next folder
        "\x01\0"                               // Exif folder: one entry
        "\x03\x90\x02\0\x14\0\0\0\x2C\0\0\0"s  //   DateTimeOriginal, 20 chars at 44
        "\0\0\0\0"s +
        date + "\0"s;
    const std::string exif = "Exif\0\0"s + tiff;
    const std::size_t length = exif.size() + 2;
    return "\xFF\xD8\xFF\xE1"s + char(length >> 8) + char(length & 0xFF) + exif + "\xFF\xD9"s;
}

TEST(ReadDateTaken, Table) {
    ASSERT_TRUE(CanReadDateTaken());
    testing::TempDir dir;
    dir.WriteFile("taken.jpg", JpegWithDateTaken("2024:05:17 14:03:09"));
    dir.WriteFile("no clock.jpg", JpegWithDateTaken("0000:00:00 00:00:00"));
    dir.WriteFile("no exif.jpg", "\xFF\xD8\xFF\xD9"s);
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
