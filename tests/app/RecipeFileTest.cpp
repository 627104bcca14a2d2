#include "app/RecipeFile.h"

#include <gtest/gtest.h>

#include <string>

#include "app/Commands.h"
#include "support/TempDir.h"

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
                      // Steps that would read or write files outside the list, or
                      // change which items it holds (a recipe from someone else).
                      RefusalCase{"save_names", "--erase-name\n--save-names /home/u/.bashrc\n",
                                  "a.mvr 2번째 줄: 작업 순서에는 목록 밖의 파일을 다루는 옵션을 "
                                  "쓸 수 없습니다: --save-names"},
                      RefusalCase{"save_paths", "--save-paths p.txt\n",
                                  "a.mvr 1번째 줄: 작업 순서에는 목록 밖의 파일을 다루는 옵션을 "
                                  "쓸 수 없습니다: --save-paths"},
                      RefusalCase{"load_names", "--load-names n.txt\n",
                                  "a.mvr 1번째 줄: 작업 순서에는 목록 밖의 파일을 다루는 옵션을 "
                                  "쓸 수 없습니다: --load-names"},
                      RefusalCase{"load_paths", "--revert --load-paths p.txt\n",
                                  "a.mvr 1번째 줄: 작업 순서에는 목록 밖의 파일을 다루는 옵션을 "
                                  "쓸 수 없습니다: --load-paths"},
                      RefusalCase{"clear", "--prefix x\n--clear\n",
                                  "a.mvr 2번째 줄: 작업 순서에는 목록 밖의 파일을 다루는 옵션을 "
                                  "쓸 수 없습니다: --clear"},
                      RefusalCase{"undo", "--undo\n",
                                  "a.mvr 1번째 줄: 작업 순서에는 단계만 쓸 수 있습니다: --undo"},
                      RefusalCase{"undo_id", "--revert --undo=3\n",
                                  "a.mvr 1번째 줄: 작업 순서에는 단계만 쓸 수 있습니다: --undo="},
                      RefusalCase{"history", "--history\n",
                                  "a.mvr 1번째 줄: 작업 순서에는 단계만 쓸 수 있습니다: --history"},
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

// Recipes saved by Notepad in the old code page or by PowerShell in UTF-16 read as
// the text they show there.
TEST(ReadRecipeFile, DecodedLikeLists) {
    using namespace std::string_literals;
    testing::TempDir dir;
    const std::string utf8 = "--prefix \xEC\x82\xAC\xEC\xA7\x84_\n";  // --prefix 사진_
    dir.WriteFile("utf8.mvr", utf8);
    dir.WriteFile("cp949.mvr", "--prefix \xBB\xE7\xC1\xF8_\n");
    dir.WriteFile("utf16.mvr", "\xFF\xFE-\0-\0p\0r\0e\0f\0i\0x\0 \0\xAC\xC0\xC4\xC9_\0\n\0"s);
    dir.WriteFile("utf16-unmarked.mvr", "-\0-\0p\0r\0e\0f\0i\0x\0 \0\xAC\xC0\xC4\xC9_\0\n\0"s);
    for (const char16_t* name : {u"utf8.mvr", u"cp949.mvr", u"utf16.mvr", u"utf16-unmarked.mvr"}) {
        SCOPED_TRACE(testing::U8(name));
        EXPECT_EQ(ReadRecipeFile(dir.Join(name)), utf8);
    }
}

}  // namespace
}  // namespace morvalent::app
