#include "app/RecentRecipes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using RecipePaths = std::vector<std::u16string>;

TEST(RecentRecipes, KeepsTheFiveUsedLastNewestFirstForTheNextRun) {
    testing::TempDir dir;
    const std::u16string state = dir.Join(u"state/morvalent");
    {
        RecentRecipes recent(state);
        for (const char16_t* name : {u"/r/1.mvr", u"/r/2.mvr", u"/r/3.mvr", u"/r/4.mvr",
                                     u"/r/5.mvr", u"/r/6 여섯.mvr", u"/r/2.mvr"}) {
            EXPECT_TRUE(recent.Add(name));
        }
    }
    const RecentRecipes next(state);
    EXPECT_EQ(next.Paths(),
              (RecipePaths{u"/r/2.mvr", u"/r/6 여섯.mvr", u"/r/5.mvr", u"/r/4.mvr", u"/r/3.mvr"}));
}

TEST(RecentRecipes, WithoutAStateFolderKeepsThemForThisRun) {
    RecentRecipes recent;
    EXPECT_TRUE(recent.Add(u"/r/1.mvr"));
    EXPECT_EQ(recent.Paths(), (RecipePaths{u"/r/1.mvr"}));
}

}  // namespace
}  // namespace morvalent::app
