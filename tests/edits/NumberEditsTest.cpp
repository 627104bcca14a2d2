#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "edits/EditTexts.h"
#include "edits/NumberEdits.h"
#include "support/TempDir.h"

namespace morvalent::edits {
namespace {

using testing::NativePath;

TEST(KeepDigitsOnly, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        std::u16string expected;
    };
    const Case cases[] = {
        {"digits of the name part", u"IMG_0042 (2).jpeg", false, u"00422.jpeg"},
        {"no digits keeps extension", u"photo.txt", false, u".txt"},
        {"no digits, no dot", u"README", false, u""},
        {"folder dots are name", u"photos1.2", true, u"12"},
        {"extension digits untouched", u"a1.mp3", false, u"1.mp3"},
        {"only dot first", u".profile", false, u".profile"},
        {"full-width digits are not digits", u"a\uFF11b2.txt", false, u"2.txt"},
        {"separator in new name", NativePath(u"x1/y2.txt"), false, u"2.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KeepDigitsOnly(c.text, c.isFolder), c.expected);
    }
}

TEST(PadDigits, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        DigitRun run;
        std::int32_t width;
        std::u16string expected;
    };
    const Case cases[] = {
        {"last run", u"a1b22.jpg", false, DigitRun::Last, 3, u"a1b022.jpg"},
        {"first run", u"a1b22.jpg", false, DigitRun::First, 3, u"a001b22.jpg"},
        {"first run at name end", u"IMG5.png", false, DigitRun::First, 3, u"IMG005.png"},
        {"last run at name start", u"7days.txt", false, DigitRun::Last, 2, u"07days.txt"},
        {"longer run kept", u"track123.mp3", false, DigitRun::Last, 2, u"track123.mp3"},
        {"digits only in extension", u"song.mp3", false, DigitRun::Last, 2, u"song.mp3"},
        {"whole name is digits", u"5", false, DigitRun::First, 4, u"0005"},
        {"folder", u"Vol.2", true, DigitRun::Last, 2, u"Vol.02"},
        {"exact width", u"a12.txt", false, DigitRun::Last, 2, u"a12.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PadDigits(c.text, c.isFolder, c.run, c.width), c.expected);
    }
}

TEST(WidthError, Table) {
    struct Case {
        std::int32_t width;
        std::optional<std::u16string_view> error;
    };
    const Case cases[] = {
        {1, std::nullopt},      {255, std::nullopt},     {0, texts::kBadWidth},
        {-3, texts::kBadWidth}, {256, texts::kBadWidth}, {INT32_MAX, texts::kBadWidth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        EXPECT_EQ(WidthError(c.width), c.error);
    }
}

TEST(NumberText, Table) {
    struct Case {
        std::int64_t counter;
        std::int32_t width;
        std::u16string expected;
    };
    const Case cases[] = {
        {1, 3, u"001"},
        {10, 1, u"10"},
        {0, 2, u"00"},
        {2147483648, 3, u"2147483648"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.counter);
        EXPECT_EQ(NumberText(c.counter, c.width), c.expected);
    }
}

TEST(AddNumber, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        bool inFront;
        std::u16string expected;
    };
    const Case cases[] = {
        {"behind", u"a.txt", false, false, u"a001.txt"},
        {"in front", u"a.txt", false, true, u"001a.txt"},
        {"only dot first", u".profile", false, false, u"001.profile"},
        {"folder", u"Vol.2", true, false, u"Vol.2001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AddNumber(c.text, c.isFolder, u"001", c.inFront), c.expected);
    }
}

std::vector<std::int64_t> Count(RowCounter counter, const std::vector<std::u16string>& folders) {
    std::vector<std::int64_t> numbers;
    for (const auto& folder : folders) numbers.push_back(counter.Next(folder));
    return numbers;
}

TEST(RowCounter, Table) {
    struct Case {
        const char* name;
        std::int32_t start;
        bool perFolder;
        std::vector<std::u16string> folders;
        std::vector<std::int64_t> expected;
    };
    const Case cases[] = {
        {"across the list", 1, false, {u"/x", u"/x", u"/y"}, {1, 2, 3}},
        {"per folder", 1, true, {u"/x", u"/x", u"/y"}, {1, 2, 1}},
        {"alternating folders restart", 5, true, {u"/x", u"/y", u"/x"}, {5, 5, 5}},
        {"ASCII case folded", 1, true, {u"/Photos", u"/photos", u"/PHOTOS"}, {1, 2, 3}},
        {"other letters exact", 1, true, {u"/Ä", u"/ä"}, {1, 1}},
        {"negative start counts from 0", -4, false, {u"", u""}, {0, 1}},
        {"past 32 bits", INT32_MAX, false, {u"", u"", u""}, {2147483647, 2147483648, 2147483649}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Count(RowCounter(c.start, c.perFolder), c.folders), c.expected);
    }
}

}  // namespace
}  // namespace morvalent::edits
