#pragma once

#include <optional>
#include <string_view>

#include "platform/LocalTime.h"

namespace morvalent::platform {

// Whether this build can read the date a photo was taken.
bool CanReadDateTaken();

// The Exif DateTimeOriginal of the image file (the camera's wall-clock time);
// nothing when the file has none, is no image, cannot be read, or the build
// cannot read photo dates.
std::optional<DateTimeFields> ReadDateTaken(std::u16string_view path);

}  // namespace morvalent::platform
