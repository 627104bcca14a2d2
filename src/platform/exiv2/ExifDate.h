#pragma once

#include <mutex>
#include <optional>
#include <string>

#include <exiv2/exiv2.hpp>

#include "platform/LocalTime.h"
#include "platform/PlainFile.h"
#include "platform/exiv2/OpenPhoto.h"

// What the Exiv2 readers share.
namespace morvalent::platform {

// Exiv2 writes warnings about odd files to the standard error; the rows without
// a value say enough.
inline void MuteExiv2() {
    static std::once_flag quiet;
    std::call_once(quiet, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        // HEIF, AVIF and CR3 files are read only when asked for.
#ifdef EXV_ENABLE_BMFF
        Exiv2::enableBMFF(true);
#endif
    });
}

// The image at `path` when it is a still picture, its metadata read; nothing for
// anything else. Exiv2 also parses videos (QuickTime, RIFF, Matroska, ASF), and a
// damaged one can hold it for minutes; a video's time comes from the movie header.
// A named pipe would hold the reader up for ever, so only plain files are opened.
inline Exiv2::Image::AutoPtr OpenStillImage(std::u16string_view path) {
    if (!IsPlainFile(path)) return Exiv2::Image::AutoPtr();
    auto image = OpenPhoto(path);
    if (image.get() == nullptr) return image;
    if (image->mimeType().rfind("video/", 0) == 0) return Exiv2::Image::AutoPtr();
    image->readMetadata();
    return image;
}

// "YYYY:MM:DD hh:mm:ss" as Exif writes it; cameras without a clock write zeros or
// blanks, which are no date.
inline std::optional<DateTimeFields> ParseExifDate(const std::string& text) {
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

}  // namespace morvalent::platform
