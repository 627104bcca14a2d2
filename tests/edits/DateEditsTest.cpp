#include <gtest/gtest.h>

#include "edits/DateEdits.h"

namespace morvalent::edits {
namespace {

TEST(FormatDate, Table) {
    const platform::DateTimeFields when{2024, 5, 7, 9, 3, 4};
    struct Case {
        const char* name;
        std::u16string format, expected;
    };
    const Case cases[] = {
        {"default", kDefaultDateFormat, u"2024-05-07_090304"},
        {"short year", u"YYMMDD", u"240507"},
        {"minutes are lower case", u"hh.mm.ss MM", u"09.03.04 05"},
        {"literal text kept", u"촬영 YYYY년 MM월", u"촬영 2024년 05월"},
        {"five Ys: year then Y", u"YYYYY", u"2024Y"},
        {"lone letters kept", u"Y-M-D h:m:s", u"Y-M-D h:m:s"},
        {"no tokens", u"date", u"date"},
        {"empty", u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatDate(c.format, when), c.expected);
    }
}

TEST(PlaceDate, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        DatePlace place;
        std::u16string expected;
    };
    const Case cases[] = {
        {"front", u"photo.jpg", false, DatePlace::Front, u"2024_photo.jpg"},
        {"behind, before extension", u"photo.jpg", false, DatePlace::Behind, u"photo2024_.jpg"},
        {"replace name part", u"IMG_0001.jpg", false, DatePlace::Replace, u"2024_.jpg"},
        {"folder behind at the end", u"Trip.Jeju", true, DatePlace::Behind, u"Trip.Jeju2024_"},
        {"folder replaced whole", u"Trip.Jeju", true, DatePlace::Replace, u"2024_"},
        {"no extension", u"README", false, DatePlace::Replace, u"2024_"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceDate(c.text, c.isFolder, u"2024_", c.place), c.expected);
    }
}

}  // namespace
}  // namespace morvalent::edits
