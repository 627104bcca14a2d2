// Full case mappings and word-wise title case, the same on every system.
#include <gtest/gtest.h>

#include "edits/CaseEdits.h"

namespace morvalent::edits {
namespace {

TEST(ChangeCase, FullMappingsAndTitles) {
    struct Case {
        const char* name;
        std::u16string text;
        CaseChange change;
        std::u16string expected;
    };
    const Case cases[] = {
        {"sharp s upper-cases to SS", u"straße.txt", CaseChange::NameUpper, u"STRASSE.txt"},
        {"dotted capital I keeps its dot", u"İSTANBUL.txt", CaseChange::NameLower,
         u"i\u0307stanbul.txt"},
        {"no Turkish dotted capital", u"istanbul.txt", CaseChange::NameUpper, u"ISTANBUL.txt"},
        {"apostrophe inside a word", u"don't stop.txt", CaseChange::NameTitle, u"Don't Stop.txt"},
        {"rest of each word lowered", u"iPHONE pics.JPG", CaseChange::NameTitle,
         u"Iphone Pics.JPG"},
        {"words after brackets and digits", u"(live) 2nd take.mp3", CaseChange::NameTitle,
         u"(Live) 2nd Take.mp3"},
        {"Hangul untouched", u"서울 trip.jpg", CaseChange::NameTitle, u"서울 Trip.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChangeCase(c.text, false, c.change), c.expected);
    }
}

}  // namespace
}  // namespace morvalent::edits
