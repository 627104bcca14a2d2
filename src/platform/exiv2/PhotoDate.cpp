// Photo dates through Exiv2, on every system.
#include <exception>

#include "platform/PhotoDate.h"
#include "platform/exiv2/ExifDate.h"

namespace morvalent::platform {

bool CanReadDateTaken() { return true; }

std::optional<DateTimeFields> ReadDateTaken(std::u16string_view path) {
    MuteExiv2();
    try {
        auto image = OpenStillImage(path);
        if (image.get() == nullptr) return std::nullopt;
        const Exiv2::ExifData& exif = image->exifData();
        const auto found = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
        if (found == exif.end()) return std::nullopt;
        return ParseExifDate(found->toString());
    } catch (const std::exception&) {
        // Not an image, unreadable, or damaged: no date taken.
        return std::nullopt;
    }
}

}  // namespace morvalent::platform
