// Camera data through Exiv2.
#include <exiv2/exiv2.hpp>

#include <exception>

#include "platform/MediaInfo.h"
#include "platform/Text.h"
#include "platform/exiv2/ExifDate.h"

namespace morvalent::platform {
namespace {

// Exif text up to its first zero, as UTF-8; nothing when empty or not UTF-8.
std::optional<std::u16string> ExifText(const Exiv2::ExifData& exif, const char* key) {
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    if (found == exif.end()) return std::nullopt;
    std::string text = found->toString();
    text.resize(std::min(text.size(), text.find('\0')));
    auto decoded = ValidUtf8ToUtf16(text);
    if (!decoded || TrimSpace(*decoded).empty()) return std::nullopt;
    return std::u16string(TrimSpace(*decoded));
}

std::optional<std::uint32_t> Positive(long value) {
    if (value <= 0 || value > long(UINT32_MAX)) return std::nullopt;
    return std::uint32_t(value);
}

std::optional<std::uint32_t> ExifNumber(const Exiv2::ExifData& exif,
                                        Exiv2::ExifData::const_iterator found) {
    if (found == exif.end() || found->count() == 0) return std::nullopt;
    return Positive(found->toLong());
}

}  // namespace

bool CanReadPhotoInfo() { return true; }

PhotoInfo ReadPhotoInfo(std::u16string_view path) {
    MuteExiv2();
    PhotoInfo info;
    try {
        auto image = OpenStillImage(path);
        if (image.get() == nullptr) return info;
        const Exiv2::ExifData& exif = image->exifData();
        info.make = ExifText(exif, "Exif.Image.Make");
        info.model = ExifText(exif, "Exif.Image.Model");
        info.lens = ExifText(exif, "Exif.Photo.LensModel");
        info.width = Positive(image->pixelWidth());
        info.height = Positive(image->pixelHeight());
        if (!info.width || !info.height) {
            info.width =
                ExifNumber(exif, exif.findKey(Exiv2::ExifKey("Exif.Photo.PixelXDimension")));
            info.height =
                ExifNumber(exif, exif.findKey(Exiv2::ExifKey("Exif.Photo.PixelYDimension")));
        }
        info.iso = ExifNumber(exif, Exiv2::isoSpeed(exif));
        const auto taken = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
        if (taken != exif.end()) info.taken = ParseExifDate(taken->toString());
    } catch (const std::exception&) {
        // Not an image, unreadable, or damaged: what was read so far is dropped too.
        return PhotoInfo{};
    }
    return info;
}

}  // namespace morvalent::platform
