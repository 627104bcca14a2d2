#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "cli/Recipe.h"
#include "commit/History.h"
#include "filelist/IconCache.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"
#include "support/ListTexts.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/TreeListing.h"

namespace morvalent::cli {
namespace {

using Args = std::vector<std::string>;
using Names = std::vector<std::u16string>;
using testing::NativePath;
using testing::TempDir;
using testing::U16;
using testing::U8;

constexpr char kSeeHelp[] = "자세한 내용은 'morvalent-cli --help'를 보십시오.\n";

struct Output {
    int status = -1;
    std::string out;
    std::string err;
};

Output RunCli(const Args& args) {
    std::ostringstream out;
    std::ostringstream err;
    Output result;
    result.status = RunCommandLine(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::string Path(const TempDir& dir, std::string_view relative) {
    return U8(dir.Join(U16(relative)));
}

using testing::NewNames;

Names Paths(const filelist::FileList& list) {
    Names paths;
    for (std::size_t i = 0; i < list.Count(); ++i) paths.push_back(list.Entry(i).path);
    return paths;
}

// ---- exit statuses and what goes where ----

// A path that names nothing is not a row, and the terminal says how many.
TEST(CliExit, PathsLeftOutAreCountedOnStandardError) {
    TempDir dir;
    dir.WriteFile("a.txt");
    const Output run =
        RunCli({Path(dir, "a.txt"), Path(dir, "gone.txt"), Path(dir, "gone2"), "--print=names"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "a.txt\n");
    EXPECT_EQ(run.err, "2개 항목은 찾거나 읽을 수 없어 목록에 넣지 않았습니다.\n");
}

TEST(CliExit, HelpPrintsTheUsageAndRunsNothing) {
    TempDir dir;
    dir.WriteFile("a.txt");
    const Output run = RunCli({Path(dir, "a.txt"), "--prefix", "x", "--apply", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, UsageText());
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(dir.Exists("a.txt"));
}

TEST(CliExit, VersionPrintsTheVersionLine) {
    const Output run = RunCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Morvalent 08.02.10 버전\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliExit, EmptyCommandLinePrintsNothing) {
    const Output run = RunCli({});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

struct UsageCase {
    const char* name;
    Args args;
    std::string firstLine;
};

class CliUsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliUsageError, ExitsTwoWithOneLineAndThePointerToHelp) {
    TempDir dir;
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    Args args = {Path(dir, "a.txt"), Path(dir, "b.txt")};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const Output run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, GetParam().firstLine + "\n" + kSeeHelp);
}

INSTANTIATE_TEST_SUITE_P(
    All, CliUsageError,
    ::testing::Values(
        UsageCase{"unknown_option", {"--frobnicate"}, "알 수 없는 옵션: --frobnicate"},
        UsageCase{"missing_argument", {"--replace", "a"}, "--replace 다음에 값이 2개 필요합니다"},
        UsageCase{"bad_key", {"--sort", "colour"}, "알 수 없는 정렬 기준: colour"},
        UsageCase{"bad_rows", {"--select", "x"}, "잘못된 행 번호: x"},
        UsageCase{
            "row_past_the_end", {"--select", "1,3"}, "--select: 3번째 행이 없습니다 (목록에 2개)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliExit, RowPastTheEndStopsBeforeLaterSteps) {
    TempDir dir;
    dir.WriteFile("a.txt");
    std::ostringstream out, err;
    CliRunner runner(out, err);
    const auto parsed = ParseArguments({Path(dir, "a.txt"), "--select", "2", "--prefix", "x"});
    ASSERT_FALSE(parsed.error);
    EXPECT_EQ(runner.Run(parsed.recipe), 2);
    EXPECT_EQ(NewNames(runner.Dialog().List()), Names{u"a.txt"});
    EXPECT_EQ(out.str(), "");
}

struct StopCase {
    const char* name;
    Args step;
    std::string message;
};

class CliStop : public ::testing::TestWithParam<StopCase> {};

// A refused value: the window's message on standard error, no later step, no list.
TEST_P(CliStop, ExitsThreeWithTheMessageAndRunsNoLaterStep) {
    TempDir dir;
    dir.WriteFile("a1.txt");
    Args args = {Path(dir, "a1.txt")};
    args.insert(args.end(), GetParam().step.begin(), GetParam().step.end());
    args.insert(args.end(), {"--prefix", "x"});
    std::ostringstream out, err;
    CliRunner runner(out, err);
    const auto parsed = ParseArguments(args);
    ASSERT_FALSE(parsed.error);
    EXPECT_EQ(runner.Run(parsed.recipe), 3);
    EXPECT_EQ(err.str(), GetParam().message);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(NewNames(runner.Dialog().List()), Names{u"a1.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    All, CliStop,
    ::testing::Values(
        StopCase{"width_zero", {"--pad-digits", "0"}, "자리수 입력이 잘못되었습니다.\n"},
        StopCase{"width_not_a_number", {"--number", "x", "1"}, "자리수 입력이 잘못되었습니다.\n"},
        StopCase{"negative_position",
                 {"--delete-position", "-1", "2"},
                 "음수값이나 잘못된 값이 입력되었습니다.\n"},
        StopCase{"start_after_end",
                 {"--delete-position", "3", "2"},
                 "시작점이 끝점보다 뒤에 있습니다.\n"},
        StopCase{"from_end_with_start",
                 {"--delete-position-from-end", "1", "2"},
                 "맨 뒤에서부터 삭제할때는 '~까지'만 필요합니다.\n"},
        StopCase{"missing_start_character",
                 {"--delete-enclosed", "", ")"},
                 "시작/끝 문자가 정확하게 지정되지 않았습니다.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The file is named by its whole path, as the window's file dialog would hand it.
TEST(CliExit, UnreadableNameListStopsWithItsWholePath) {
    TempDir dir;
    dir.WriteFile("a1.txt");
    const Output run = RunCli(
        {Path(dir, "a1.txt"), "--load-names", Path(dir, "missing/names.txt"), "--prefix", "x"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "파일을 읽지 못했습니다.\n" + Path(dir, "missing/names.txt") + "\n");
    EXPECT_EQ(run.out, "");
}

TEST(CliExit, AQuietlyIgnoredValueIsNoStop) {
    TempDir dir;
    dir.WriteFile("a.txt");
    // Both positions 0: the window does nothing and says nothing.
    const Output run = RunCli(
        {Path(dir, "a.txt"), "--delete-position", "", "0", "--prefix", "x", "--print=names"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "xa.txt\n");
    EXPECT_EQ(run.err, "");
}

// ---- output ----

class CliPrint : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.WriteFile("가/사진 1.jpg");
        dir.WriteFile("가/b.txt");
        dir.WriteFile("c.txt");
    }
    Output Print(const std::string& mode) {
        return RunCli(
            {"--folders=contents", U8(dir.Text()), "--replace", "1", "01", "--print=" + mode});
    }
    TempDir dir;
};

TEST_F(CliPrint, NamesAreTheNativeNewNames) {
    const Output run = Print("names");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "c.txt\nb.txt\n사진 01.jpg\n");
}

TEST_F(CliPrint, PathsAreTheFullPaths) {
    EXPECT_EQ(Print("paths").out, Path(dir, "c.txt") + "\n" + Path(dir, "가/b.txt") + "\n" +
                                      Path(dir, "가/사진 1.jpg") + "\n");
}

TEST_F(CliPrint, TargetsAreFolderSeparatorAndNewName) {
    EXPECT_EQ(Print("targets").out, Path(dir, "c.txt") + "\n" + Path(dir, "가/b.txt") + "\n" +
                                        Path(dir, "가/사진 01.jpg") + "\n");
}

TEST_F(CliPrint, NoneWritesNothing) { EXPECT_EQ(Print("none").out, ""); }

TEST_F(CliPrint, TableIsAlignedCountingWideCharactersTwice) {
    const std::string root = U8(dir.Text());
    EXPECT_EQ(Print("table").out,
              "번호  현재이름    바꿀이름     파일위치\n"
              "   1  c.txt       c.txt        " +
                  root +
                  "\n"
                  "   2  b.txt       b.txt        " +
                  Path(dir, "가") +
                  "\n"
                  "   3  사진 1.jpg  사진 01.jpg  " +
                  Path(dir, "가") + "\n");
}

TEST_F(CliPrint, TableNamesAChangeTheEyeWouldMiss) {
    const Output run = RunCli(
        {Path(dir, "c.txt"), "--replace", "c", "\xEF\xBD\x83", "--print=table"});  // full-width c
    EXPECT_EQ(run.out,
              "번호  현재이름  바꿀이름  파일위치\n"
              "   1  c.txt     \xEF\xBD\x83.txt    " +
                  U8(dir.Text()) + "  ≈ 전각 문자\n");
}

TEST_F(CliPrint, ConflictsAreTheMarkedRowsWithReasonAndTarget) {
    EXPECT_EQ(Print("conflicts").out, "");
    dir.WriteFile("가/사진 01.jpg");
    dir.WriteFile("d.txt");
    const Output run =
        RunCli({Path(dir, "가/사진 1.jpg"), Path(dir, "c.txt"), Path(dir, "d.txt"), "--replace",
                "1", "01", "--replace", "d.txt", "", "--print=conflicts"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "2\tempty\t" + Path(dir, "") + "\n3\texists\t" + Path(dir, "가/사진 01.jpg") + "\n");
}

TEST(CliPrintEmpty, EmptyListPrintsNoTable) {
    const Output run = RunCli({"/nonexistent/a.txt"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

// What the window greys out, the terminal refuses before it runs anything.
TEST(CliDisabledSteps, AreUsageErrorsNamingTheStep) {
    const struct {
        const char* name;
        Args args;
        std::string firstLine;
    } cases[] = {
        {"commit on an empty list",
         {"/nonexistent/a.txt", "--apply"},
         "1개 항목은 찾거나 읽을 수 없어 목록에 넣지 않았습니다.\n"
         "--apply: 목록이 비어 있어 실행할 수 없습니다"},
        {"save on an empty list",
         {"--save-names", "/nonexistent/out.txt"},
         "--save-names: 목록이 비어 있어 실행할 수 없습니다"},
        {"sort on an empty list",
         {"--sort", "name"},
         "--sort: 목록이 비어 있어 실행할 수 없습니다"},
        {"edit on an empty list",
         {"--prefix", "x"},
         "--prefix: 목록이 비어 있어 실행할 수 없습니다"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Output run = RunCli(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.firstLine + "\n" + kSeeHelp);
    }
}

TEST(CliGather, RelativePathsAreListedAsWholePaths) {
    TempDir dir;
    dir.WriteFile("sub/a.txt");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path() / "sub");
    const Output run = RunCli({"a.txt", "--folders=self", "./a.txt", "../sub/", "--print=paths"});
    std::filesystem::current_path(previous);
    const std::u16string sub = std::filesystem::canonical(dir.Path() / "sub").u16string();
    EXPECT_EQ(run.status, 0);
    // The later batch finds a.txt listed already; the folder is a row of its own.
    EXPECT_EQ(run.out, U8(sub + NativePath(u"/a.txt\n") + sub + u"\n"));
}

TEST(CliGather, RelativeListFileTakesItsLinesBesideIt) {
    TempDir dir;
    dir.WriteFile("lists/a.txt");
    dir.WriteFile("lists/rel.txt", "a.txt\n");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const Output run = RunCli({"--load-paths", "lists/rel.txt", "--print=paths"});
    std::filesystem::current_path(previous);
    const std::u16string lists = std::filesystem::canonical(dir.Path() / "lists").u16string();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, U8(lists + NativePath(u"/a.txt\n")));
}

TEST(CliGather, FolderAnswerHoldsForTheFollowingBatches) {
    TempDir dir;
    dir.WriteFile("one/a.txt");
    dir.WriteFile("two/b.txt");
    dir.WriteFile("three/c.txt");
    const Output run = RunCli({Path(dir, "one"), "--folders=contents", Path(dir, "two"),
                               "--folders=self", Path(dir, "three"), "--print=names"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "one\nb.txt\nthree\n");
}

TEST(CliGather, LoadedPathListKeepsTheLastFolderAnswer) {
    TempDir dir;
    dir.WriteFile("one/a.txt");
    dir.WriteFile("list.txt", Path(dir, "one") + "\n");
    const Output run = RunCli({"--folders=contents", Path(dir, "missing"), "--load-paths",
                               Path(dir, "list.txt"), "--print=names"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "a.txt\n");
}

TEST(CliTransfer, SavedNamesCanBeLoadedBack) {
    TempDir dir;
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    dir.WriteFile("names.txt", "old");  // replaced without asking
    const Output saved = RunCli({Path(dir, "a.txt"), Path(dir, "b.txt"), "--prefix", "x_",
                                 "--save-names", Path(dir, "names.txt"), "--print=none"});
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(dir.ReadFile("names.txt"), std::string("\xFF\xFE"
                                                     "x\0_\0a\0.\0t\0x\0t\0\r\0\n\0"
                                                     "x\0_\0b\0.\0t\0x\0t\0\r\0\n\0",
                                                     2 + 2 * 18));
    const Output loaded = RunCli({Path(dir, "a.txt"), Path(dir, "b.txt"), "--load-names",
                                  Path(dir, "names.txt"), "--print=names"});
    EXPECT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.out, "x_a.txt\nx_b.txt\n");
}

// ---- the same engine as the window ----

// One recipe through the command line and through the window's logic answered by a
// scripted user: the same rows, names and folders.
TEST(CliEngine, RecipeGivesTheNamesTheWindowGives) {
    TempDir dir;
    dir.WriteFile("photos/2023/b 1.jpg");
    dir.WriteFile("photos/2023/a (2).jpg");
    dir.WriteFile("photos/2024/c.jpg");
    dir.WriteFile("photos/2024/d.JPG");
    dir.WriteFile("photos/notes.txt");
    dir.MakeFolder("out");
    const std::string photos = Path(dir, "photos");

    std::ostringstream out, err;
    CliRunner runner(out, err);
    const auto parsed = ParseArguments({"--folders=contents",
                                        photos,
                                        "--delete-enclosed",
                                        "(",
                                        ")",
                                        "--replace",
                                        " ",
                                        "",
                                        "--number-per-folder-front",
                                        "2",
                                        "1",
                                        "--change-extension",
                                        "md",
                                        "--sort",
                                        "name-desc",
                                        "--select",
                                        "2",
                                        "--direct-rename",
                                        "특별.md",
                                        "--select",
                                        "1,3",
                                        "--move-down",
                                        "--select",
                                        "5",
                                        "--delete-rows",
                                        "--pad-digits",
                                        "3",
                                        "--suffix",
                                        "_x",
                                        "--select",
                                        "none",
                                        "--print=none"});
    ASSERT_FALSE(parsed.error);
    ASSERT_EQ(runner.Run(parsed.recipe), 0);
    EXPECT_EQ(err.str(), "");

    testing::ScriptedUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    app::MainDialog dialog(ui, ui, *fs, icons);
    dialog.OnInitDialog();
    auto select = [&](std::vector<std::size_t> rows) {
        dialog.List().ClearSelection();
        for (std::size_t row : rows) dialog.List().SetSelected(row, true);
        dialog.OnSelectionChanged();
    };
    ui.yesNoAnswers = {false};
    dialog.OnDropFiles({U16(photos)});
    ui.inputAnswers = {{true, u"(", u")", 0}, {true, u" ", u"", 0}, {true, u"2", u"1", 3},
                       {true, u"md", u"", 0}, {true, u"", u"", 1},  {true, u"특별.md", u"", 0},
                       {true, u"3", u"", 0},  {true, u"_x", u"", 0}};
    dialog.OnCommand(app::CommandId::DeleteEnclosed);
    dialog.OnCommand(app::CommandId::ReplaceString);
    dialog.OnCommand(app::CommandId::NumberRows);
    dialog.OnCommand(app::CommandId::ChangeExtension);
    dialog.OnCommand(app::CommandId::SortList);
    select({1});
    dialog.OnCommand(app::CommandId::DirectRename);
    select({0, 2});
    dialog.OnCommand(app::CommandId::MoveDown);
    select({4});
    dialog.PreTranslateMessage({app::KeyMessage::Type::Press, app::Key::Delete});
    dialog.OnCommand(app::CommandId::PadDigits);
    dialog.OnCommand(app::CommandId::AddSuffix);
    select({});
    EXPECT_TRUE(ui.inputAnswers.empty());
    EXPECT_TRUE(ui.messages.empty());

    const Names expected = {u"특별_x.md", u"001notes_x.md", u"02b001_x.md", u"001c_x.md"};
    EXPECT_EQ(NewNames(dialog.List()), expected);
    EXPECT_EQ(NewNames(runner.Dialog().List()), expected);
    EXPECT_EQ(Paths(runner.Dialog().List()), Paths(dialog.List()));
    const Names expectedPaths = {dir.Join(u"photos/2024/d.JPG"), dir.Join(u"photos/notes.txt"),
                                 dir.Join(u"photos/2023/b 1.jpg"), dir.Join(u"photos/2024/c.jpg")};
    EXPECT_EQ(Paths(runner.Dialog().List()), expectedPaths);
}

// ---- committing through the command line ----

TEST(CliCommit, RenamesTheFilesAndSaysSo) {
    TempDir dir;
    dir.WriteFile("photos/2023/a.jpg", "A");
    dir.WriteFile("photos/2023/b.jpg", "B");
    dir.WriteFile("photos/2024/c.jpg", "C");
    const Output run = RunCli({"--folders=contents", Path(dir, "photos"), "--erase-name",
                               "--number-per-folder", "2", "1", "--apply", "--print=paths"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "파일 이름을 변경하였습니다.\n");
    EXPECT_EQ(run.out, Path(dir, "photos/2023/01.jpg") + "\n" + Path(dir, "photos/2023/02.jpg") +
                           "\n" + Path(dir, "photos/2024/01.jpg") + "\n");
    EXPECT_EQ(dir.ReadFile("photos/2023/01.jpg"), "A");
    EXPECT_EQ(dir.ReadFile("photos/2023/02.jpg"), "B");
    EXPECT_EQ(dir.ReadFile("photos/2024/01.jpg"), "C");
}

TEST(CliCommit, MovesIntoOneFolderWithANewExtension) {
    TempDir dir;
    dir.WriteFile("a/one.txt", "1");
    dir.WriteFile("b/two.txt", "2");
    dir.MakeFolder("notes");
    const Output run =
        RunCli({Path(dir, "a/one.txt"), Path(dir, "b/two.txt"), "--change-extension", "md",
                "--unify-folder", Path(dir, "notes"), "--apply", "--print=none"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "파일 이름을 변경하였습니다.\n");
    EXPECT_EQ(dir.ReadFile("notes/one.md"), "1");
    EXPECT_EQ(dir.ReadFile("notes/two.md"), "2");
    EXPECT_FALSE(dir.Exists("a/one.txt"));
}

TEST(CliCommit, FailureLinesExitOneAndKeepTheOtherFile) {
    TempDir dir;
    dir.WriteFile("a.txt", "a");
    dir.WriteFile("b.txt", "b");
    dir.WriteFile("x_b.txt", "taken");
    const Output run = RunCli(
        {Path(dir, "a.txt"), Path(dir, "b.txt"), "--prefix", "x_", "--apply", "--print=none"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "2개 중 1개를 바꿨습니다.\n" + Path(dir, "b.txt") + " -> " +
                           Path(dir, "x_b.txt") + " 변경 실패. (같은 이름이 이미 있습니다)\n\n" +
                           Path(dir, "b.txt") + "\tx_b.txt\t같은 이름이 이미 있습니다\n");
    EXPECT_EQ(dir.ReadFile("x_a.txt"), "a");
    EXPECT_EQ(dir.ReadFile("b.txt"), "b");
    EXPECT_EQ(dir.ReadFile("x_b.txt"), "taken");
}

TEST(CliCommit, DuplicateNamesStopWithNothingRenamed) {
    TempDir dir;
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    const Output run = RunCli(
        {Path(dir, "a.txt"), Path(dir, "b.txt"), "--erase-name", "--apply", "--prefix", "never"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "중복되는 이름이 있습니다.\n" + Path(dir, ".txt") + "\n");
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(dir.Exists("a.txt"));
    EXPECT_TRUE(dir.Exists("b.txt"));
}

}  // namespace
}  // namespace morvalent::cli

namespace morvalent::cli {
namespace {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

CliRun RunWithHistory(const std::vector<std::string>& args, const testing::TempDir& state) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine(args, out, err, false, state.Join(u"history"));
    return {status, out.str(), err.str()};
}

TEST(CliUndo, ApplyHistoryAndUndo) {
    testing::TempDir dir;
    testing::TempDir state;
    dir.WriteFile("a.txt", "A");
    const std::string a = testing::U8(dir.Join(u"a.txt"));
    const CliRun apply = RunWithHistory({a, "--suffix", "_v2", "--apply", "--print=none"}, state);
    EXPECT_EQ(apply.status, 0);
    EXPECT_EQ(apply.err, "파일 이름을 변경하였습니다.\n변경 기록 번호: 1\n");

    const CliRun history = RunWithHistory({"--history"}, state);
    EXPECT_EQ(history.status, 0);
    // id, local date and time, count, state, folder
    const std::string tail = "\t1\t완료\t" + testing::U8(dir.Text()) + "\n";
    EXPECT_TRUE(history.out.starts_with("1\t")) << history.out;
    EXPECT_TRUE(history.out.ends_with(tail)) << history.out;

    struct Case {
        const char* argument;
        int status;
        const char* err;
    };
    const Case cases[] = {
        {"--undo=2", 2,
         "알 수 없는 변경 기록 번호: 2\n자세한 내용은 'morvalent-cli --help'를 보십시오.\n"},
        {"--undo=1", 0, "이름 변경을 되돌렸습니다.\n"},
        {"--undo", 0, "되돌릴 이름 변경이 없습니다.\n"},
    };
    for (const Case& c : cases) {
        const CliRun undo = RunWithHistory({c.argument}, state);
        EXPECT_EQ(undo.status, c.status) << c.argument;
        EXPECT_EQ(undo.err, c.err) << c.argument;
    }
    EXPECT_TRUE(dir.Exists("a.txt"));
    EXPECT_FALSE(dir.Exists("a_v2.txt"));
}

TEST(CliUndo, RowsThatCannotGoBackExitWithOne) {
    testing::TempDir dir;
    testing::TempDir state;
    dir.WriteFile("a.txt", "A");
    RunWithHistory({testing::U8(dir.Join(u"a.txt")), "--suffix", "_v2", "--apply"}, state);
    dir.WriteFile("a.txt", "new");
    const CliRun undo = RunWithHistory({"--undo"}, state);
    EXPECT_EQ(undo.status, 1);
    EXPECT_EQ(undo.err,
              testing::U8(dir.Join(u"a_v2.txt")) + " -> " + testing::U8(dir.Join(u"a.txt")) +
                  " 변경 실패. (같은 이름이 이미 있습니다)\n\n" +
                  testing::U8(dir.Join(u"a_v2.txt")) + "\ta.txt\t같은 이름이 이미 있습니다\n");
}

// A later commit renamed items inside the folder the first one renamed: undoing
// the first alone would strand them, so it waits for the second.
TEST(CliUndo, LaterCommitOnTheSameItemsIsUndoneFirst) {
    testing::TempDir dir;
    testing::TempDir state;
    dir.WriteFile("d/x.txt", "X");
    dir.WriteFile("d/y.txt", "Y");
    const std::string before = testing::Listing(dir.Path());
    RunWithHistory({"--folders=self", testing::U8(dir.Join(u"d")), "--prefix", "C_", "--apply"},
                   state);
    RunWithHistory(
        {"--folders=contents", testing::U8(dir.Join(u"C_d")), "--prefix", "D_", "--apply"}, state);
    const std::string renamed = testing::Listing(dir.Path());
    ASSERT_EQ(renamed, "C_d/\nC_d/D_x.txt=X\nC_d/D_y.txt=Y\n");

    const CliRun refused = RunWithHistory({"--undo=1"}, state);
    EXPECT_EQ(refused.status, 3);
    EXPECT_TRUE(refused.err.starts_with("먼저 2번 변경을 되돌려야 합니다. (")) << refused.err;
    EXPECT_EQ(testing::Listing(dir.Path()), renamed);
    EXPECT_EQ(RunWithHistory({"--undo=2"}, state).status, 0);
    EXPECT_EQ(RunWithHistory({"--undo=1"}, state).status, 0);
    EXPECT_EQ(testing::Listing(dir.Path()), before);
}

// Another window or terminal holds the history's lock: a commit or an undo here
// refuses at once and renames nothing.
TEST(CliUndo, CommitAndUndoRefuseWhileAnotherHoldsTheLock) {
    testing::TempDir dir;
    testing::TempDir state;
    dir.WriteFile("a.txt", "A");
    const std::string a = testing::U8(dir.Join(u"a.txt"));
    ASSERT_EQ(RunWithHistory({a, "--suffix", "_1", "--apply"}, state).status, 0);
    const std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    commit::History history(*fs, state.Join(u"history"));
    platform::FileLock other;
    ASSERT_EQ(history.Lock(other), platform::LockResult::Held);

    const std::string busy =
        "다른 창이나 명령에서 이름을 바꾸거나 되돌리는 중입니다. 끝난 뒤에 다시 해 주십시오.\n";
    const std::string a1 = testing::U8(dir.Join(u"a_1.txt"));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{a1, "--suffix", "_2", "--apply"}, {"--undo"}}) {
        const CliRun run = RunWithHistory(args, state);
        EXPECT_EQ(run.status, 3) << args[0];
        EXPECT_EQ(run.err, busy) << args[0];
    }
    EXPECT_EQ(testing::Listing(dir.Path()), "a_1.txt=A\n");
    EXPECT_EQ(history.Ids().size(), 1u);
    other.Unlock();
    EXPECT_EQ(RunWithHistory({"--undo"}, state).status, 0);
    EXPECT_EQ(testing::Listing(dir.Path()), "a.txt=A\n");
}

}  // namespace
}  // namespace morvalent::cli
