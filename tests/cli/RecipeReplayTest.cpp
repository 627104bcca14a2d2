// A recipe recorded in the window, saved, and run by the terminal on a fresh copy
// of the same files gives the names the window gave.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "cli/CliRunner.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::cli {
namespace {

using testing::TempDir;
using testing::U16;
using testing::U8;

void WritePhotos(const TempDir& dir, std::string_view folder) {
    const std::string root(folder);
    dir.WriteFile(root + "/2023/b 1.jpg");
    dir.WriteFile(root + "/2023/a 2.jpg");
    dir.WriteFile(root + "/2024/c.jpg");
    dir.WriteFile(root + "/notes.txt");
}

TEST(RecipeReplay, TheTerminalGivesTheWindowsNames) {
    TempDir dir;
    WritePhotos(dir, "first");
    testing::ScriptedUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    app::MainDialog window(ui, ui, *fs, icons);
    window.OnInitDialog();
    auto select = [&](std::vector<std::size_t> rows) {
        window.List().ClearSelection();
        for (std::size_t row : rows) window.List().SetSelected(row, true);
        window.OnSelectionChanged();
    };
    ui.yesNoAnswers = {false};
    window.OnDropFiles({dir.Join(u"first")});
    ui.inputAnswers = {
        {true, u" ", u"_", 0}, {true, u"여름 'A' ", u"", 0},    {true, u"2", u"1", 3},
        {true, u"", u"", 1},   {true, u"탭\t이름.jpg", u"", 0}, {true, u"3", u"", 0},
        {true, u"_x", u"", 0}};
    window.OnCommand(app::CommandId::ReplaceString);
    window.OnCommand(app::CommandId::AddPrefix);
    window.OnCommand(app::CommandId::NumberRows);
    window.OnCommand(app::CommandId::CopyNames);  // an export: no step
    window.OnCommand(app::CommandId::SortList);
    select({1});
    window.OnCommand(app::CommandId::DirectRename);
    select({0, 2});
    window.OnCommand(app::CommandId::MoveDown);
    select({3});
    window.PreTranslateMessage({app::KeyMessage::Type::Press, app::Key::Delete});
    window.OnCommand(app::CommandId::PadDigits);
    window.OnCommand(app::CommandId::AddSuffix);
    const std::vector<std::u16string> names = {u"탭\t이름_x.jpg", u"001여름 'A' notes_x.txt",
                                               u"01여름 'A' a_002_x.jpg"};
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(window.List().NewName(i), names[i]);

    ui.fileAnswers = {{dir.Join(u"photos.mvr")}};
    ASSERT_EQ(window.OnCommand(app::CommandId::SaveRecipe)->kind, app::Outcome::Kind::Done);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(dir.ReadFile("photos.mvr"),
              "# Morvalent 08.02.10 작업 순서\n"
              "--replace ' ' _\n"
              "--prefix '여름 '\\''A'\\'' '\n"
              "--number-per-folder-front 2 1\n"
              "--sort name-desc\n"
              "--select 2\n"
              "--direct-rename '탭\t이름.jpg'\n"
              "--select 1,3\n"
              "--move-down\n"
              "--select 4\n"
              "--delete-rows\n"
              "--pad-digits 3\n"
              "--suffix _x\n");

    WritePhotos(dir, "second");
    std::ostringstream out, err;
    const int status = RunCommandLine({"--folders=contents", U8(dir.Join(u"second")), "--recipe",
                                       U8(dir.Join(u"photos.mvr")), "--print=names"},
                                      out, err);
    EXPECT_EQ(status, kExitOk);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str(), U8(names[0] + u"\n" + names[1] + u"\n" + names[2] + u"\n"));
}

struct RecipeStopCase {
    const char* name;
    std::string recipe;
    int status;
    std::string err;  // after the recipe's path, as given
};

class RecipeStops : public ::testing::TestWithParam<RecipeStopCase> {};

// Refused recipes run no step at all; a step that stops says its line.
TEST_P(RecipeStops, NamesTheLine) {
    TempDir dir;
    dir.WriteFile("a1.txt");
    dir.WriteFile("r.mvr", GetParam().recipe);
    std::ostringstream out, err;
    const int status = RunCommandLine({U8(dir.Join(u"a1.txt")), "--recipe", U8(dir.Join(u"r.mvr")),
                                       "--prefix", "x", "--print=names"},
                                      out, err);
    EXPECT_EQ(status, GetParam().status);
    EXPECT_EQ(err.str(), U8(dir.Join(u"r.mvr")) + GetParam().err);
    EXPECT_EQ(out.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Recipes, RecipeStops,
    ::testing::Values(
        RecipeStopCase{"refused_line", "--erase-name\n--apply\n", kExitUsage,
                       " 2번째 줄: 작업 순서에는 --apply를 쓸 수 없습니다\n"
                       "자세한 내용은 'morvalent-cli --help'를 보십시오.\n"},
        RecipeStopCase{"writes_outside_the_list", "--prefix y\n--save-names n.txt\n", kExitUsage,
                       " 2번째 줄: 작업 순서에는 목록 밖의 파일을 다루는 옵션을 쓸 수 "
                       "없습니다: --save-names\n"
                       "자세한 내용은 'morvalent-cli --help'를 보십시오.\n"},
        RecipeStopCase{"step_with_a_message", "--prefix y\n\n--pad-digits 0\n", kExitStopped,
                       " 3번째 줄 (--pad-digits):\n자리수 입력이 잘못되었습니다.\n"},
        RecipeStopCase{"step_the_window_greys_out", "--move-up\n", kExitUsage,
                       " 1번째 줄: --move-up: 선택된 행이 없어 실행할 수 없습니다\n"
                       "자세한 내용은 'morvalent-cli --help'를 보십시오.\n"}),
    [](const auto& info) { return info.param.name; });

TEST(RecipeReplay, AnUnreadableRecipeIsAUsageError) {
    TempDir dir;
    std::ostringstream out, err;
    const std::string missing = U8(dir.Join(u"none.mvr"));
    EXPECT_EQ(RunCommandLine({"--recipe", missing}, out, err), kExitUsage);
    EXPECT_EQ(err.str(), "작업 순서 파일을 읽지 못했습니다: " + missing +
                             "\n자세한 내용은 'morvalent-cli --help'를 보십시오.\n");
}

}  // namespace
}  // namespace morvalent::cli
