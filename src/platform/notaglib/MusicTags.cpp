// Builds without TagLib read no music tags.
#include "platform/MediaInfo.h"

namespace morvalent::platform {

bool CanReadMusicTags() { return false; }

MusicTags ReadMusicTags(std::u16string_view) { return {}; }

}  // namespace morvalent::platform
