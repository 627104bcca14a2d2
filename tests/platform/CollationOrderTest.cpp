// One order on every system: a list sorted on Linux sorts the same on Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/Collation.h"

namespace morvalent::platform {
namespace {

TEST(CollationOrder, MixedScriptsInTheKoreanOrder) {
    std::vector<std::u16string> names = {
        u"하늘",   u"Zebra",  u"10",     u"漢字", u"カタカナ", u"apple",    u"-dash",
        u"a-b",    u"ab",     u"2",      u"#tag", u"_under",   u"(paren)",  u"o'clock",
        u"oclock", u"éclair", u"eclair", u"가나", u"ｶﾀｶﾅ",     u"ひらがな", u"Apple"};
    const Collator korean("ko_KR.UTF-8");
    std::stable_sort(names.begin(), names.end(),
                     [&](const auto& a, const auto& b) { return korean.Compare(a, b) < 0; });
    const std::vector<std::u16string> expected = {
        u"_under", u"-dash", u"(paren)", u"#tag",   u"10",       u"2",       u"a-b",
        u"ab",     u"apple", u"Apple",   u"eclair", u"éclair",   u"o'clock", u"oclock",
        u"Zebra",  u"가나",  u"하늘",    u"漢字",   u"カタカナ", u"ｶﾀｶﾅ",    u"ひらがな"};
    EXPECT_EQ(names, expected);
    // Windows names the same locale "ko-KR".
    EXPECT_EQ(Collator("ko-KR").SortKey(u"가나"), korean.SortKey(u"가나"));
}

}  // namespace
}  // namespace morvalent::platform
