#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/LocalTime.h"

// What a file says about itself: music tags, a photo's camera data, a video's
// recording time. Each reader reads only the metadata, never the whole file, and
// gives nothing for a file it cannot make sense of (damaged, hostile, another kind).
namespace morvalent::platform {

// A tag's text. Tags stored as ISO-8859-1 (ID3v1, ID3v2 text encoding 0) often
// hold CP949 bytes written by Korean Windows programs; the caller may read them again.
struct TagText {
    std::u16string text;
    bool storedAsLatin1 = false;
    bool operator==(const TagText&) const = default;
};

struct MusicTags {
    std::optional<TagText> artist;
    std::optional<TagText> album;
    std::optional<TagText> title;
    std::optional<TagText> genre;
    std::optional<unsigned> track;  // 1 and up
    std::optional<unsigned> disc;
    std::optional<unsigned> year;
};

struct PhotoInfo {
    std::optional<std::u16string> make;
    std::optional<std::u16string> model;
    std::optional<std::u16string> lens;
    std::optional<std::uint32_t> width;
    std::optional<std::uint32_t> height;
    std::optional<std::uint32_t> iso;
    std::optional<DateTimeFields> taken;  // the camera's wall-clock time
};

struct VideoInfo {
    std::optional<DateTimeFields> recorded;  // in the user's time zone
    std::optional<std::uint64_t> durationSeconds;
};

// Whether this build reads music tags (TagLib) and photo data (Exiv2).
bool CanReadMusicTags();
bool CanReadPhotoInfo();

MusicTags ReadMusicTags(std::u16string_view path);
PhotoInfo ReadPhotoInfo(std::u16string_view path);
// MP4, QuickTime and 3GP files, from the movie header.
VideoInfo ReadVideoInfo(std::u16string_view path);

}  // namespace morvalent::platform
