#pragma once

#include <exiv2/exiv2.hpp>

#include <string_view>

namespace morvalent::platform {

// The image at `path` opened by Exiv2 under the system's own form of the path;
// null when the path cannot name a file. Throws what Exiv2 throws.
Exiv2::Image::AutoPtr OpenPhoto(std::u16string_view path);

}  // namespace morvalent::platform
