#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "edits/DateEdits.h"
#include "platform/MediaInfo.h"

// Names made of what a file says about itself: a format whose fields in braces
// ("{artist} - {title}", "{taken:YYYY-MM-DD}") are replaced by the file's values.
namespace morvalent::edits {

// What one file says, as far as a format asked for it.
struct FileInfo {
    platform::MusicTags music;
    platform::PhotoInfo photo;
    platform::VideoInfo video;
};

// Which readers a format needs.
struct InfoSources {
    bool music = false;   // music tags
    bool camera = false;  // photo data only a photo gives
    bool taken = false;   // the date taken: a photo's, else a video's
    bool video = false;   // the recording time or length of a video
};

class InfoFormat {
  public:
    // Fields: artist album title track (two digits; {track:3} three) disc year genre,
    // and the same in Korean (아티스트 앨범 제목 트랙 디스크 연도 장르); camera lens
    // width height iso taken; recorded duration. {taken:FORMAT} and
    // {recorded:FORMAT} take the date edit's tokens. A photo's date taken falls
    // back to a video's recording time, as the date edit's does.
    explicit InfoFormat(std::u16string_view format);

    // The first "{...}" that names no field (or lacks its closing brace); empty
    // when every field is known.
    const std::u16string& UnknownField() const { return unknown_; }
    InfoSources Sources() const;

    // The format with every field replaced; nothing when the file lacks a value
    // for any of them (an empty field never makes a name).
    std::optional<std::u16string> Format(const FileInfo& info) const;

  private:
    enum class Field {
        Literal,
        Artist,
        Album,
        Title,
        Track,
        Disc,
        Year,
        Genre,
        Camera,
        Lens,
        Width,
        Height,
        Iso,
        Taken,
        Recorded,
        Duration,
    };
    struct Piece {
        Field field = Field::Literal;
        std::u16string text;  // a literal's text
        int width = 0;        // digits of a number
        std::optional<DateFormat> date;
    };
    std::optional<std::u16string> Value(const Piece& piece, const FileInfo& info) const;

    std::vector<Piece> pieces_;
    std::u16string unknown_;
};

// A value made fit to stand in a name: characters no name may hold (and '/')
// become '_', edge spaces go, and it is cut to the name length limit between
// whole characters. Nothing when no text is left.
std::optional<std::u16string> NameSafeValue(std::u16string_view value);

// A tag's text, read as CP949 when it was stored as ISO-8859-1 and its bytes make
// clean Korean text (the rule of the encoding repair).
std::u16string TagValue(const platform::TagText& tag);

// "Canon EOS R5" from the make and the model, the maker named once.
std::optional<std::u16string> CameraName(const std::optional<std::u16string>& make,
                                         const std::optional<std::u16string>& model);

// Where the info text goes: as a date goes.
using InfoPlace = DatePlace;

}  // namespace morvalent::edits
