#include <gtest/gtest.h>

#include "platform/Text.h"

namespace morvalent::platform {
namespace {

TEST(ParseLeadingInt, ReadsLikeTheRuntime) {
    struct Row {
        const char* name;
        std::u16string text;
        std::int32_t expected;
    };
    const Row rows[] = {
        {"plain", u"42", 42},
        {"leading spaces", u"  \t7", 7},
        {"ideographic space", u"\u30009", 9},
        {"plus sign", u"+5", 5},
        {"negative", u"-12", -12},
        {"stops at letter", u"12ab3", 12},
        {"no digits", u"abc", 0},
        {"empty", u"", 0},
        {"sign only", u"-", 0},
        {"saturates high", u"99999999999", 2147483647},
        {"saturates low", u"-99999999999", -2147483647 - 1},
        {"fullwidth digit is not a digit", u"\uFF11", 0},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseLeadingInt(row.text), row.expected) << row.name;
}

TEST(CompareAsciiNoCase, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(CompareAsciiNoCase(u"Report.TXT", u"report.txt"), 0);
    EXPECT_NE(CompareAsciiNoCase(u"\u00C9", u"\u00E9"), 0);  // É and é differ
    EXPECT_LT(CompareAsciiNoCase(u"a", u"B"), 0);
    EXPECT_LT(CompareAsciiNoCase(u"ab", u"abc"), 0);
    EXPECT_EQ(FoldAscii(u"AbC\u00C9"), u"abc\u00C9");
}

TEST(Utf8Conversion, InvalidBytesRoundTrip) {
    struct Row {
        const char* name;
        std::string bytes;
    };
    const Row rows[] = {
        {"ascii", "plain.txt"},
        {"korean", "\xED\x95\x9C\xEA\xB8\x80.txt"},
        {"cp949 bytes", "\xC7\xD1\xB1\xDB.txt"},
        {"lone continuation", "a\x80z"},
        {"overlong slash", "\xC0\xAF"},
        {"encoded surrogate", "\xED\xA0\x80"},
        {"truncated sequence", "abc\xE2\x82"},
        {"astral", "\xF0\x9F\x98\x80"},
    };
    for (const Row& row : rows) {
        auto back = Utf16ToNative(Utf8ToUtf16(row.bytes));
        ASSERT_TRUE(back.has_value()) << row.name;
        EXPECT_EQ(*back, row.bytes) << row.name;
    }
    EXPECT_EQ(Utf8ToUtf16("\xED\x95\x9C"), u"\uD55C");
    EXPECT_EQ(Utf8ToUtf16("a\xFF"), (std::u16string{u'a', char16_t(0xDCFF)}));
}

TEST(Utf8Conversion, UnpairedSurrogateCannotNameAFile) {
    EXPECT_FALSE(Utf16ToNative(std::u16string(1, char16_t(0xD800))).has_value());
    EXPECT_FALSE(Utf16ToNative(u"a" + std::u16string(1, char16_t(0xDC10))).has_value());
    EXPECT_EQ(Utf16ToUtf8Lossy(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(TrimSpace, TrimsUnicodeWhiteSpace) {
    EXPECT_EQ(TrimSpace(u" \t a b \u3000\r"), u"a b");
    EXPECT_EQ(TrimSpace(u"   "), u"");
}

TEST(DecimalText, WritesFullWidthValues) {
    EXPECT_EQ(DecimalText(std::uint64_t{0}), u"0");
    EXPECT_EQ(DecimalText(std::uint64_t{5368709120}), u"5368709120");
    EXPECT_EQ(DecimalText(std::int64_t{-9223372036854775807 - 1}), u"-9223372036854775808");
}

TEST(FormatText, ReplacesPlaceholdersInOrder) {
    EXPECT_EQ(FormatText(u"%s -> %s 변경 실패.\n", u"a", u"b"), u"a -> b 변경 실패.\n");
    EXPECT_EQ(FormatText(u"%s 개", u"12"), u"12 개");
}

}  // namespace
}  // namespace morvalent::platform
