#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/Collation.h"

// The POSIX locale variables choose the order.
namespace morvalent::platform {
namespace {

TEST(IcuCollation, KoreanPutsLatinBeforeHangulAsTheRootDoes) {
    EXPECT_LT(Collator("ko_KR.UTF-8").Compare(u"z", u"\uAC00"), 0);
    EXPECT_LT(Collator("").Compare(u"z", u"\uAC00"), 0);
}

TEST(IcuCollation, LocaleNameFromEnvironment) {
    setenv("LC_ALL", "", 1);
    setenv("LC_COLLATE", "ko_KR.UTF-8", 1);
    EXPECT_EQ(CollationLocaleFromEnvironment(), "ko_KR.UTF-8");
    setenv("LC_ALL", "C.UTF-8", 1);
}

}  // namespace
}  // namespace morvalent::platform
