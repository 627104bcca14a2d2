#include "platform/exiv2/OpenPhoto.h"
#include "platform/Text.h"

namespace morvalent::platform {

Exiv2::Image::AutoPtr OpenPhoto(std::u16string_view path) {
    const std::optional<std::string> native = Utf16ToNative(path);
    if (!native) return Exiv2::Image::AutoPtr();
    return Exiv2::ImageFactory::open(*native);
}

}  // namespace morvalent::platform
