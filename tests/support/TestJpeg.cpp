#include "support/TestJpeg.h"

namespace morvalent::testing {

using namespace std::string_literals;

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

std::string JpegWithoutExif() { return "\xFF\xD8\xFF\xD9"s; }

}  // namespace morvalent::testing
