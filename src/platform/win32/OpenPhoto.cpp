#include "platform/exiv2/OpenPhoto.h"
#include "platform/win32/PathForms.h"

namespace morvalent::platform {

// Wide and extended-length, like every other path here: Exiv2's narrow paths
// would go through the ANSI code page.
Exiv2::Image::AutoPtr OpenPhoto(std::u16string_view path) {
    const auto wide = ExtendedPath(path);
    if (!wide) return Exiv2::Image::AutoPtr();
    return Exiv2::ImageFactory::open(*wide);
}

}  // namespace morvalent::platform
