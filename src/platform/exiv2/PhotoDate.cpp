// Photo dates through Exiv2; built where Exiv2 is found (POSIX systems).
#include <exiv2/exiv2.hpp>

#include <exception>

#include "platform/PhotoDate.h"
#include "platform/PlainFile.h"
#include "platform/Text.h"
#include "platform/exiv2/ExifDate.h"

namespace morvalent::platform {

bool CanReadDateTaken() { return true; }

std::optional<DateTimeFields> ReadDateTaken(std::u16string_view path) {
    MuteExiv2();
    const std::optional<std::string> native = Utf16ToNative(path);
    // A named pipe would hold the reader up for ever.
    if (!native || !IsPlainFile(path)) return std::nullopt;
    try {
        auto image = OpenStillImage(*native);
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
