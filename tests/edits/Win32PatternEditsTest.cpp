#include <gtest/gtest.h>

#include "platform/Regex.h"

namespace morvalent::platform {
namespace {

TEST(Regex, UnsupportedOnWindows) {
    EXPECT_FALSE(Regex::Supported());
    const auto compiled = Regex::Compile(u"a+");
    ASSERT_TRUE(std::holds_alternative<RegexError>(compiled));
    EXPECT_EQ(std::get<RegexError>(compiled).kind, RegexError::Kind::Unsupported);
}

}  // namespace
}  // namespace morvalent::platform
