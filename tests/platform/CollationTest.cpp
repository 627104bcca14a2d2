#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Collation.h"

namespace morvalent::platform {
namespace {

TEST(Collation, IgnoresCaseNotAccents) {
    Collator root("");
    EXPECT_EQ(root.Compare(u"ABC", u"abc"), 0);
    EXPECT_NE(root.Compare(u"\u00C9", u"E"), 0);
    EXPECT_EQ(root.Compare(u"a", u"b"), -1);
    EXPECT_EQ(root.Compare(u"b", u"a"), 1);
}

TEST(Collation, OrdersLinguisticallyNotNumerically) {
    Collator root("en_US.UTF-8");
    EXPECT_LT(root.Compare(u"file10.txt", u"file2.txt"), 0);
}

TEST(Collation, KoreanOrder) {
    Collator ko("ko_KR.UTF-8");
    // 가 < 나 < 다
    EXPECT_LT(ko.Compare(u"\uAC00", u"\uB098"), 0);
    EXPECT_LT(ko.Compare(u"\uB098", u"\uB2E4"), 0);
}

// The order Korean users see in their file managers, the same on every system.
TEST(Collation, KoreanOrderOfNames) {
    const std::vector<std::u16string> expected = {u"1.txt",
                                                  u"10.txt",
                                                  u"2.txt",
                                                  u"apple.txt",
                                                  u"Banana.txt",
                                                  u"cherry.txt",
                                                  u"\uAC00\uBC29.txt",
                                                  u"\uB098\uBB34.txt",
                                                  u"\uB2E4\uB9AC.txt"};
    std::vector<std::u16string> names(expected.rbegin(), expected.rend());
    std::swap(names[0], names[4]);
    Collator ko("ko_KR.UTF-8");
    std::sort(names.begin(), names.end(),
              [&](const auto& a, const auto& b) { return ko.Compare(a, b) < 0; });
    EXPECT_EQ(names, expected);
    std::sort(names.begin(), names.end(),
              [&](const auto& a, const auto& b) { return ko.SortKey(a) < ko.SortKey(b); });
    EXPECT_EQ(names, expected);
}

TEST(Collation, SortKeysAgreeWithCompare) {
    Collator ko("ko");
    const std::u16string texts[] = {u"ABC",    u"abc", u"file10", u"file2", u"\uAC00",
                                    u"\uB098", u"",    u"a/b",    u"a.b"};
    for (const auto& a : texts) {
        for (const auto& b : texts) {
            const int byKey = ko.SortKey(a).compare(ko.SortKey(b));
            const int sign = (byKey > 0) - (byKey < 0);
            EXPECT_EQ(sign, ko.Compare(a, b));
        }
    }
}

TEST(Collation, DefaultFollowsChosenLocale) {
    SetCollationLocale("ko_KR.UTF-8");
    EXPECT_EQ(CompareTextNoCase(u"Readme", u"README"), 0);
    EXPECT_EQ(CompareTextNoCase(u"\uAC00", u"\uB098"), -1);
}

}  // namespace
}  // namespace morvalent::platform
