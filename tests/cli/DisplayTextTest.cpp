#include "cli/DisplayText.h"

#include <gtest/gtest.h>

namespace morvalent::cli {
namespace {

struct DisplayCase {
    const char* name;
    std::u16string text;
    std::string utf8;
    std::size_t width;
};

class DisplayTextCases : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTextCases, AreSafeAndMeasured) {
    const DisplayText shown = MakeDisplayText(GetParam().text);
    EXPECT_EQ(shown.utf8, GetParam().utf8);
    EXPECT_EQ(shown.width, GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    All, DisplayTextCases,
    ::testing::Values(DisplayCase{"empty", u"", "", 0},
                      DisplayCase{"ascii", u"a b.txt", "a b.txt", 7},
                      DisplayCase{"hangul_syllables", u"사진.jpg", "사진.jpg", 8},
                      DisplayCase{"hangul_jamo_decomposed", u"\u1100\u1161", "\u1100\u1161", 2},
                      DisplayCase{"combining_accent", u"e\u0301", "e\u0301", 1},
                      DisplayCase{"han_and_kana", u"漢字かな", "漢字かな", 8},
                      DisplayCase{"fullwidth_letter", u"\uFF21", "\uFF21", 2},
                      DisplayCase{"ideographic_space", u"\u3000", "\u3000", 2},
                      DisplayCase{"emoji_pair", u"\U0001F600", "\U0001F600", 2},
                      DisplayCase{"escape_sequence", u"\x1B[31m", "\uFFFD[31m", 5},
                      DisplayCase{"newline_and_tab", u"a\nb\t", "a\uFFFDb\uFFFD", 4},
                      DisplayCase{"c1_control", u"\u009B", "\uFFFD", 1},
                      DisplayCase{"direction_override", u"\u202Egpj.exe", "\uFFFDgpj.exe", 8},
                      DisplayCase{"byte_not_utf8", u"a\xDCFF", "a\uFFFD", 2},
                      DisplayCase{"lone_high_surrogate", u"\xD800x", "\uFFFDx", 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvalent::cli
