#pragma once

#include <string>

namespace morvalent::testing {

// A JPEG holding nothing but an Exif block (little-endian TIFF) whose Exif
// folder has one entry: DateTimeOriginal, the given 19 characters
// ("YYYY:MM:DD hh:mm:ss").
std::string JpegWithDateTaken(const std::string& date);

// A JPEG without any metadata.
std::string JpegWithoutExif();

}  // namespace morvalent::testing
