#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/LocalTime.h"

namespace morvalent::edits {

inline constexpr char16_t kDefaultDateFormat[] = u"YYYY-MM-DD_hhmmss";

// The format with YYYY, YY, MM, DD, hh, mm and ss replaced by the year (four
// digits), its last two digits, month, day, hour, minute and second (two digits
// each); everything else is kept as typed. Tokens are read left to right, the
// longer first, letter case counting (MM is the month, mm the minute).
std::u16string FormatDate(std::u16string_view format, const platform::DateTimeFields& when);

// The same format read once, for writing many dates.
class DateFormat {
  public:
    explicit DateFormat(std::u16string_view format);
    std::u16string Format(const platform::DateTimeFields& when) const;
    // The same into `out`, replacing what it held; a buffer kept across many rows
    // is then allocated only once.
    void FormatInto(std::u16string& out, const platform::DateTimeFields& when) const;

  private:
    enum class Field { Literal, Year, ShortYear, Month, Day, Hour, Minute, Second };
    struct Piece {
        Field field;
        std::size_t start = 0;  // where a literal lies in text_
        std::size_t length = 0;
    };
    std::u16string text_;
    std::vector<Piece> pieces_;
};

// Which time of a row its date comes from.
enum class DateSource {
    Taken,     // the photo's Exif DateTimeOriginal, a video's recording time, else the
               // modified time
    Modified,  // the file's last write
    Created,   // the file's creation, where the file system keeps it
};

// Where the date text goes in a name.
enum class DatePlace {
    Front,    // in front of the whole name
    Behind,   // behind the name part, in front of the extension
    Replace,  // instead of the name part; the extension stays
};

// The format the date dialog offers for a place: a separator on the side of the
// name ("YYYY-MM-DD_hhmmss_IMG_0007.jpg", "IMG_0007_YYYY-MM-DD_hhmmss.jpg").
std::u16string_view DefaultDateFormat(DatePlace place);
// Whether the text is the offered format of some place, not one the user typed.
bool IsDefaultDateFormat(std::u16string_view format);

std::u16string PlaceDate(std::u16string_view text, bool isFolder, std::u16string_view date,
                         DatePlace place);

}  // namespace morvalent::edits
