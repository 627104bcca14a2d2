#include <gtest/gtest.h>

#include <exiv2/exiv2.hpp>

#include <string>

#include "platform/MediaInfo.h"
#include "support/TempDir.h"
#include "support/TestJpeg.h"
#include "support/TestMedia.h"

namespace morvalent::platform {
namespace {

// A JPEG whose Exif Exiv2 itself wrote.
void WriteExif(const testing::TempDir& dir, const char* name,
               const std::vector<std::pair<const char*, const char*>>& values) {
    dir.WriteFile(name, testing::JpegWithoutExif());
    auto image = Exiv2::ImageFactory::open((dir.Path() / name).string());
    Exiv2::ExifData exif;
    for (const auto& [key, value] : values) exif[key] = value;
    image->setExifData(exif);
    image->writeMetadata();
}

TEST(ReadPhotoInfo, Table) {
    ASSERT_TRUE(CanReadPhotoInfo());
    testing::TempDir dir;
    WriteExif(dir, "full.jpg",
              {{"Exif.Image.Make", "NIKON CORPORATION"},
               {"Exif.Image.Model", "NIKON D750"},
               {"Exif.Photo.LensModel", "24-70mm f/2.8"},
               {"Exif.Photo.ISOSpeedRatings", "400"},
               {"Exif.Photo.PixelXDimension", "6016"},
               {"Exif.Photo.PixelYDimension", "4016"},
               {"Exif.Photo.DateTimeOriginal", "2024:05:17 14:03:09"}});
    WriteExif(dir, "blank.jpg", {{"Exif.Image.Make", "   "}});
    // Exiv2 takes videos too, and spent minutes on this one.
    dir.WriteFile("damaged.mov",
                  "\xFF\xFF\xFF\xFF" + testing::Mp4WithMovieHeader(1, 600, 60, 1).substr(4));
    dir.WriteFile("damaged.jpg", testing::JpegWithDateTaken("2024:05:17 14:03:09").substr(0, 30));

    const PhotoInfo full = ReadPhotoInfo(dir.Join(u"full.jpg"));
    EXPECT_EQ(full.make, u"NIKON CORPORATION");
    EXPECT_EQ(full.model, u"NIKON D750");
    EXPECT_EQ(full.lens, u"24-70mm f/2.8");
    EXPECT_EQ(full.iso, 400u);
    EXPECT_EQ(full.width, 6016u);
    EXPECT_EQ(full.height, 4016u);
    ASSERT_TRUE(full.taken.has_value());
    EXPECT_EQ(full.taken->hour, 14);

    EXPECT_FALSE(ReadPhotoInfo(dir.Join(u"blank.jpg")).make.has_value());
    for (const char16_t* name : {u"damaged.jpg", u"damaged.mov", u"missing.jpg"}) {
        const PhotoInfo none = ReadPhotoInfo(dir.Join(name));
        EXPECT_FALSE(none.make || none.width || none.taken) << testing::U8(name);
    }
}

}  // namespace
}  // namespace morvalent::platform
