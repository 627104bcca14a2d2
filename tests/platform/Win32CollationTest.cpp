#include <gtest/gtest.h>

#include "platform/Collation.h"

namespace morvalent::platform {
namespace {

TEST(Win32Collation, DefaultIsTheUserLocale) {
    // The tests run with a Korean user locale.
    EXPECT_EQ(CollationLocaleFromEnvironment(), "ko-KR");
}

TEST(Win32Collation, PosixAndWindowsLocaleNamesAgree) {
    Collator posix("ko_KR.UTF-8");
    Collator windows("ko-KR");
    const std::u16string texts[] = {u"\uAC00", u"z", u"Readme", u"README", u"file10", u"file2"};
    for (const auto& a : texts) {
        for (const auto& b : texts) {
            EXPECT_EQ(posix.Compare(a, b), windows.Compare(a, b));
            EXPECT_EQ(posix.SortKey(a), windows.SortKey(a));
        }
    }
}

TEST(Win32Collation, UnknownLocaleStillCompares) {
    Collator unknown("xx_YY.UTF-8");
    EXPECT_EQ(unknown.Compare(u"ABC", u"abc"), 0);
    EXPECT_EQ(unknown.Compare(u"a", u"b"), -1);
}

}  // namespace
}  // namespace morvalent::platform
