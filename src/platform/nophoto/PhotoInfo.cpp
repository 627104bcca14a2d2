// Builds without Exiv2 read no camera data.
#include "platform/MediaInfo.h"

namespace morvalent::platform {

bool CanReadPhotoInfo() { return false; }

PhotoInfo ReadPhotoInfo(std::u16string_view) { return {}; }

}  // namespace morvalent::platform
