#include <gtest/gtest.h>

#include "edits/PatternEdits.h"

namespace morvalent::edits {
namespace {

std::unique_ptr<platform::Regex> Compiled(std::u16string_view pattern) {
    auto compiled = platform::Regex::Compile(pattern);
    EXPECT_TRUE(std::holds_alternative<std::unique_ptr<platform::Regex>>(compiled));
    return std::move(std::get<std::unique_ptr<platform::Regex>>(compiled));
}

TEST(ReplacePattern, Table) {
    struct Case {
        const char* name;
        std::u16string text, pattern, replacement, expected;
    };
    const Case cases[] = {
        {"every match", u"a1b22c333.txt", u"\\d+", u"#", u"a#b#c#.txt"},
        {"extension included", u"photo.jpeg", u"\\.jpe?g$", u".jpg", u"photo.jpg"},
        {"numbered groups", u"IMG_20240517_1403.jpg", u"IMG_(\\d{4})(\\d\\d)(\\d\\d)", u"$1-$2-$3",
         u"2024-05-17_1403.jpg"},
        {"named group", u"track 07 - song.mp3", u"track (?<n>\\d+) - ", u"${n}. ", u"07. song.mp3"},
        {"case-insensitive flag", u"Photo PHOTO photo.png", u"(?i)photo", u"사진",
         u"사진 사진 사진.png"},
        {"case counts without the flag", u"Photo photo", u"photo", u"x", u"Photo x"},
        {"empty matches insert between characters", u"abc", u"x*", u"-", u"-a-b-c-"},
        {"start anchor matches once", u"name.txt", u"^", u"new_", u"new_name.txt"},
        {"dollar escaped", u"price.txt", u"^", u"\\$", u"$price.txt"},
        {"no match leaves name", u"photo.jpg", u"\\d", u"#", u"photo.jpg"},
        {"Hangul", u"사진001.jpg", u"[가-힣]+", u"photo", u"photo001.jpg"},
        {"emoji is one character", u"a🎉b", u"a.b", u"ok", u"ok"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto pattern = Compiled(c.pattern);
        const auto result = ReplacePattern(c.text, *pattern, c.replacement);
        ASSERT_TRUE(std::holds_alternative<std::u16string>(result));
        EXPECT_EQ(std::get<std::u16string>(result), c.expected);
    }
}

TEST(ReplacePattern, InvalidPatternsSayWhere) {
    struct Case {
        const char* name;
        std::u16string pattern;
        std::int32_t position;
        std::u16string detail;
    };
    const Case cases[] = {
        {"unclosed group", u"(ab", 3, u"U_REGEX_MISMATCHED_PAREN"},
        {"unclosed set", u"a[b", 3, u"U_REGEX_MISSING_CLOSE_BRACKET"},
        {"nothing to repeat", u"*a", 1, u"U_REGEX_RULE_SYNTAX"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto compiled = platform::Regex::Compile(c.pattern);
        ASSERT_TRUE(std::holds_alternative<platform::RegexError>(compiled));
        const auto& error = std::get<platform::RegexError>(compiled);
        EXPECT_EQ(error.kind, platform::RegexError::Kind::Pattern);
        EXPECT_EQ(error.position, c.position);
        EXPECT_EQ(error.detail, c.detail);
    }
}

TEST(ReplacePattern, MissingGroupInReplacementIsAnError) {
    const auto pattern = Compiled(u"(a)");
    const auto result = ReplacePattern(u"abc", *pattern, u"$2");
    ASSERT_TRUE(std::holds_alternative<platform::RegexError>(result));
    EXPECT_EQ(std::get<platform::RegexError>(result).kind, platform::RegexError::Kind::Replacement);
}

}  // namespace
}  // namespace morvalent::edits
