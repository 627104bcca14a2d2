#include <gtest/gtest.h>

#include <optional>

#include "edits/EditTexts.h"
#include "edits/PositionEdits.h"

namespace morvalent::edits {
namespace {

constexpr auto kFront = PositionMode::FromFront;
constexpr auto kEnd = PositionMode::FromEnd;

TEST(DeleteByPosition, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        PositionMode mode;
        std::int32_t from, to;
        std::u16string expected;
    };
    const Case cases[] = {
        {"front 3 to 5", u"abcdefgh.txt", false, kFront, 3, 5, u"abfgh.txt"},
        {"front from empty", u"abcdefgh.txt", false, kFront, 0, 2, u"cdefgh.txt"},
        {"front to empty", u"abcdefgh.txt", false, kFront, 7, 0, u"abcdef.txt"},
        {"front cut at name end", u"abcdefgh.txt", false, kFront, 6, 20, u"abcde.txt"},
        {"front to equals length", u"abcdefgh.txt", false, kFront, 1, 8, u".txt"},
        {"front start beyond name", u"abcdefgh.txt", false, kFront, 9, 0, u"abcdefgh.txt"},
        {"front single character", u"abcdefgh.txt", false, kFront, 4, 4, u"abcefgh.txt"},
        {"end 3", u"abcdefgh.txt", false, kEnd, 0, 3, u"abcde.txt"},
        {"end past name", u"abcdefgh.txt", false, kEnd, 0, 20, u".txt"},
        {"end on folder", u"Vol.2", true, kEnd, 0, 2, u"Vol"},
        {"front on empty name part", u".profile", false, kFront, 1, 1, u".profile"},
        {"end on empty name part", u".profile", false, kEnd, 0, 1, u".profile"},
        {"Korean", u"가나다라.txt", false, kFront, 2, 3, u"가라.txt"},
        {"counts UTF-16 units", u"a\U0001F600b.txt", false, kFront, 2, 3, u"ab.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DeleteByPosition(c.text, c.isFolder, c.mode, c.from, c.to), c.expected);
    }
}

TEST(DeleteByPosition, Validation) {
    struct Case {
        const char* name;
        PositionMode mode;
        std::int32_t from, to;
        bool empty;
        std::optional<std::u16string_view> error;
    };
    const Case cases[] = {
        {"both zero", kFront, 0, 0, true, std::nullopt},
        {"front range", kFront, 3, 5, false, std::nullopt},
        {"front equal", kFront, 5, 5, false, std::nullopt},
        {"front start behind end", kFront, 5, 3, false, texts::kStartBehindEnd},
        {"front to empty", kFront, 5, 0, false, std::nullopt},
        {"negative from", kFront, -1, 3, false, texts::kNegativeValue},
        {"negative to", kFront, 1, -3, false, texts::kNegativeValue},
        {"saturated negative", kFront, INT32_MIN, 0, false, texts::kNegativeValue},
        {"end only to", kEnd, 0, 3, false, std::nullopt},
        {"end with from", kEnd, 2, 3, false, texts::kOnlyUpToNeeded},
        {"end negative", kEnd, 0, -2, false, texts::kNegativeValue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsEmptyPositionRange(c.from, c.to), c.empty);
        if (!c.empty) {
            EXPECT_EQ(PositionRangeError(c.mode, c.from, c.to), c.error);
        }
    }
}

TEST(DeleteEnclosed, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        char16_t start, end;
        std::u16string expected;
    };
    const Case cases[] = {
        {"blanks remain", u"song (live) final.mp3", false, u'(', u')', u"song  final.mp3"},
        {"first part only", u"a(b)c(d)e.txt", false, u'(', u')', u"ac(d)e.txt"},
        {"nesting not tracked", u"a(b(c)d)e.txt", false, u'(', u')', u"ad)e.txt"},
        {"no end", u"abc(def.txt", false, u'(', u')', u"abc(def.txt"},
        {"end before start", u"x)y(z.txt", false, u'(', u')', u"x)y(z.txt"},
        {"extension not searched", u"clip.(1)", false, u'(', u')', u"clip.(1)"},
        {"same start and end", u"a_b_c_d.txt", false, u'_', u'_', u"ac_d.txt"},
        {"folder dots are name", u"x[v.1]y", true, u'[', u']', u"xy"},
        {"case-sensitive", u"aXbxc.txt", false, u'x', u'c', u"aXb.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DeleteEnclosed(c.text, c.isFolder, c.start, c.end), c.expected);
    }
}

TEST(DeleteEnclosed, Validation) {
    EXPECT_EQ(EnclosedError(u"(", u")"), std::nullopt);
    EXPECT_EQ(EnclosedError(u"[[", u"]]"), std::nullopt);
    EXPECT_EQ(EnclosedError(u"", u")"), texts::kEnclosedMissing);
    EXPECT_EQ(EnclosedError(u"(", u""), texts::kEnclosedMissing);
}

}  // namespace
}  // namespace morvalent::edits
