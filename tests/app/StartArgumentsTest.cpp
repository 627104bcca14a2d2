#include "app/StartArguments.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

using namespace morvalent;

TEST(StartArgumentsTest, OptionsEndAtTwoDashesAndAnUnknownOneListsNothing) {
    morvalent::testing::TempDir dir;
    const std::u16string a = dir.Join(u"가.txt");
    const std::u16string dashed = dir.Join(u"--help");

    app::StartArguments parsed = app::ParseStartArguments({a, u"--version", u"--", dashed});
    EXPECT_EQ(parsed.paths, (std::vector<std::u16string>{a, dashed}));
    EXPECT_TRUE(parsed.version);
    EXPECT_FALSE(parsed.help);
    EXPECT_FALSE(parsed.unknownOption);

    parsed = app::ParseStartArguments({a, u"--frobnicate", u"--help"});
    EXPECT_EQ(parsed.unknownOption, std::optional<std::u16string>(u"--frobnicate"));
    EXPECT_TRUE(parsed.paths.empty());
}
