// Photo dates through Exiv2, on every system.
#include <exception>
#include <mutex>

#include "platform/PhotoDate.h"
#include "platform/exiv2/OpenPhoto.h"

namespace morvalent::platform {
namespace {

// "YYYY:MM:DD hh:mm:ss" as Exif writes it; cameras without a clock write zeros or
// blanks, which are no date.
std::optional<DateTimeFields> ParseExifDate(const std::string& text) {
    constexpr char kShape[] = "dddd:dd:dd dd:dd:dd";
    if (text.size() < sizeof kShape - 1) return std::nullopt;
    for (std::size_t i = 0; i + 1 < sizeof kShape; ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return std::nullopt;
    }
    auto number = [&](std::size_t at, std::size_t width) {
        int value = 0;
        for (std::size_t i = at; i < at + width; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    DateTimeFields fields{number(0, 4),  number(5, 2),  number(8, 2),
                          number(11, 2), number(14, 2), number(17, 2)};
    if (fields.year == 0 || fields.month < 1 || fields.month > 12 || fields.day < 1 ||
        fields.day > 31 || fields.hour > 23 || fields.minute > 59 || fields.second > 60) {
        return std::nullopt;
    }
    return fields;
}

}  // namespace

bool CanReadDateTaken() { return true; }

std::optional<DateTimeFields> ReadDateTaken(std::u16string_view path) {
    // Exiv2 writes warnings about odd files to the standard error; the rows
    // without a date say enough.
    static std::once_flag quiet;
    std::call_once(quiet, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        // HEIF, AVIF and CR3 files are read only when asked for.
#ifdef EXV_ENABLE_BMFF
        Exiv2::enableBMFF(true);
#endif
    });
    try {
        auto image = OpenPhoto(path);
        if (image.get() == nullptr) return std::nullopt;
        image->readMetadata();
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
