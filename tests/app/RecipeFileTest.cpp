#include "app/RecipeFile.h"

#include <gtest/gtest.h>

#include <string>

#include "app/Commands.h"

namespace morvalent::app {
namespace {

struct RefusalCase {
    const char* name;
    std::string text;
    std::string error;
};

class RefuseRecipes : public ::testing::TestWithParam<RefusalCase> {};

// No step is taken from a recipe with a refused line.
TEST_P(RefuseRecipes, NamesTheLine) {
    const RecipeSteps read = ParseRecipe(GetParam().text, "a.mvr");
    ASSERT_TRUE(read.error);
    EXPECT_EQ(*read.error, GetParam().error);
    EXPECT_TRUE(read.steps.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefuseRecipes,
    ::testing::Values(RefusalCase{"unknown_option", "# x\n--erase-name\n--trim\n",
                                  "a.mvr 3번째 줄: 알 수 없는 옵션: --trim"},
                      RefusalCase{"missing_value", "--erase-name\n--replace a\n",
                                  "a.mvr 2번째 줄: --replace 다음에 값이 2개 필요합니다"},
                      RefusalCase{"bad_value", "--sort sideways\n",
                                  "a.mvr 1번째 줄: 알 수 없는 정렬 기준: sideways"},
                      RefusalCase{
                          "path", "--erase-name\n\n/home/a.jpg --revert\n",
                          "a.mvr 3번째 줄: 작업 순서에는 경로를 쓸 수 없습니다: /home/a.jpg"},
                      RefusalCase{"path_after_double_dash", "-- --revert\n",
                                  "a.mvr 1번째 줄: 작업 순서에는 경로를 쓸 수 없습니다: --revert"},
                      RefusalCase{"apply", "--erase-name\n--apply\n",
                                  "a.mvr 2번째 줄: 작업 순서에는 --apply를 쓸 수 없습니다"},
                      RefusalCase{"another_recipe", "--recipe b.mvr\n",
                                  "a.mvr 1번째 줄: 작업 순서 안에서는 --recipe를 쓸 수 없습니다"},
                      RefusalCase{"print", "--print=names\n",
                                  "a.mvr 1번째 줄: 작업 순서에는 단계만 쓸 수 있습니다: --print="},
                      RefusalCase{"unclosed_quote", "--revert\n--prefix \"a\n",
                                  "a.mvr 2번째 줄: 따옴표가 닫히지 않았습니다"}),
    [](const auto& info) { return info.param.name; });

// What the program does instead of steps is refused in a recipe, whatever the option.
TEST(ParseRecipe, RefusesEveryOptionThatIsNoStep) {
    for (const ProgramOption& option : ProgramOptions()) {
        if (option.step) continue;
        const bool joined = option.form == ValueForm::Joined;
        const std::string line =
            std::string(option.name) + (joined ? "=" + option.words.front() : "") + "\n";
        const RecipeSteps read = ParseRecipe(line, "a.mvr");
        ASSERT_TRUE(read.error) << line;
        EXPECT_EQ(*read.error,
                  std::string("a.mvr 1번째 줄: 작업 순서에는 단계만 쓸 수 있습니다: ") +
                      option.name + (joined ? "=" : ""));
    }
}

TEST(ParseRecipe, StepsCarryTheirLine) {
    const RecipeSteps read = ParseRecipe(
        "\xEF\xBB\xBF# Morvalent\n--select 2,3 --move-up\n\n--sort size-desc\n", "b.mvr");
    ASSERT_FALSE(read.error) << *read.error;
    ASSERT_EQ(read.steps.size(), 3u);
    EXPECT_EQ(read.steps[0].where, "b.mvr 2번째 줄");
    EXPECT_EQ(read.steps[1].command, CommandId::MoveUp);
    EXPECT_EQ(read.steps[1].where, "b.mvr 2번째 줄");
    EXPECT_EQ(read.steps[2].command, CommandId::SortList);
    EXPECT_EQ(read.steps[2].where, "b.mvr 4번째 줄");
}

}  // namespace
}  // namespace morvalent::app
