#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "support/ListTexts.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using filelist::FolderAnswer;
using transfer::ExportMode;

using namespace std::string_literals;
using testing::NativePath;
using testing::TempDir;
using testing::U8;

const std::u16string kSaveFailed = u"파일을 저장하지 못했습니다.\n";
const std::u16string kReadFailed = u"파일을 읽지 못했습니다.\n";

// The bytes a file of the given ASCII lines holds: mark, then UTF-16LE, CR LF each.
std::string Utf16File(const std::vector<std::string>& lines) {
    std::string bytes = "\xFF\xFE";
    for (const std::string& line : lines) {
        for (char c : line + "\r\n") {
            bytes.push_back(c);
            bytes.push_back('\0');
        }
    }
    return bytes;
}

struct TransferCommandsTest : ::testing::Test {
    // Every command ends with the busy cursor gone.
    void TearDown() override { EXPECT_EQ(ui.busyDepth, 0); }
    void AddRow(const std::u16string& path, bool isFolder = false) {
        filelist::FileEntry entry;
        entry.path = NativePath(path);
        entry.isFolder = isFolder;
        dialog.List().InsertEntryRow(std::move(entry));
    }
    std::vector<std::u16string> NewNames() const { return testing::NewNames(dialog.List()); }
    std::vector<std::u16string> Paths() const {
        std::vector<std::u16string> paths;
        for (std::size_t i = 0; i < dialog.List().Count(); ++i)
            paths.push_back(dialog.List().Entry(i).path);
        return paths;
    }
    void Answer(const std::u16string& path) { ui.fileAnswers.push_back({path}); }

    TempDir dir;
    testing::ScriptedUi ui;
    filelist::PlainIconSource icons;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    MainDialog dialog{ui, ui, *fs, icons};
};

TEST_F(TransferCommandsTest, SaveDialogsAskForTextFiles) {
    AddRow(u"/d/a.txt");
    ui.fileAnswers = {{}, {}};
    dialog.ExportList(ExportMode::NewNamesToFile);
    dialog.ExportList(ExportMode::PathsToFile);
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(ui.fileRequests[0].title, u"파일명 저장");
    EXPECT_EQ(ui.fileRequests[1].title, u"경로명 저장");
    for (const FileDialogRequest& request : ui.fileRequests) {
        EXPECT_EQ(request.mode, FileDialogRequest::Mode::Save);
        EXPECT_EQ(request.defaultExtension, u"txt");
        ASSERT_EQ(request.filters.size(), 2u);
        EXPECT_EQ(request.filters[0].caption, u"Text Files(*.txt)");
        EXPECT_EQ(request.filters[0].pattern, u"*.txt");
        EXPECT_EQ(request.filters[1].caption, u"All Files(*.*)");
        EXPECT_EQ(request.filters[1].pattern, u"*");
    }
    // Cancelled: nothing written, nothing said.
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(dir.Exists("a.txt"));
}

TEST_F(TransferCommandsTest, SavedFilesHoldEveryRowByteForByte) {
    struct Row {
        const char* name;
        std::vector<std::u16string> newNames;
        ExportMode mode;
        std::string bytes;
    };
    const Row rows[] = {
        {"three names",
         {u"a.txt", u"b.txt", u"c.txt"},
         ExportMode::NewNamesToFile,
         Utf16File({"a.txt", "b.txt", "c.txt"})},
        {"Korean", {u"한글"}, ExportMode::NewNamesToFile, "\xFF\xFE\x5C\xD5\x00\xAE\r\0\n\0"s},
        {"paths",
         {u"x", u"y"},
         ExportMode::PathsToFile,
         Utf16File({U8(NativePath(u"/d/0")), U8(NativePath(u"/d/1"))})},
        {"empty list", {}, ExportMode::NewNamesToFile, "\xFF\xFE"s},
    };
    for (const Row& row : rows) {
        dialog.List().Clear();
        for (std::size_t i = 0; i < row.newNames.size(); ++i) {
            AddRow(u"/d/" + std::u16string(1, char16_t(u'0' + i)));
            dialog.List().SetNewName(i, row.newNames[i]);
        }
        Answer(dir.Join(u"out.txt"));
        dialog.ExportList(row.mode);
        EXPECT_EQ(dir.ReadFile("out.txt"), row.bytes) << row.name;
    }
    EXPECT_EQ(dir.ReadFile("out.txt").size(), 2u);
    EXPECT_TRUE(ui.messages.empty());
}

// Loading such a file back would give every later row its neighbour's name.
TEST_F(TransferCommandsTest, ValuesThatWouldNotLoadBackAreNotSaved) {
    const struct {
        const char* name;
        std::u16string newName;
        ExportMode mode;
        std::u16string row;
    } cases[] = {
        {"empty new name", u"", ExportMode::NewNamesToFile, u"/d/1"},
        {"line break in a new name", u"b\nc", ExportMode::NewNamesToFile, u"/d/1"},
        {"leading space in a new name", u" b", ExportMode::NewNamesToFile, u"/d/1"},
        {"trailing space in a path", u"b", ExportMode::PathsToFile, u"/d/2 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        ui.messages.clear();
        AddRow(u"/d/0");
        AddRow(u"/d/1");
        AddRow(u"/d/2 ");
        dialog.List().SetNewName(1, c.newName);
        dialog.List().SetNewName(2, u"c");
        Answer(dir.Join(u"out.txt"));
        dialog.ExportList(c.mode);
        EXPECT_EQ(ui.messages,
                  (std::vector<std::u16string>{
                      u"빈 이름, 줄바꿈이나 앞뒤 공백이 있는 이름은 저장할 수 없습니다.\n" +
                      NativePath(c.row)}));
        EXPECT_FALSE(dir.Exists("out.txt"));
    }
}

TEST_F(TransferCommandsTest, ClipboardGetsTheTextWithoutMark) {
    AddRow(u"/d/a.txt");
    AddRow(u"/d/b.txt");
    dialog.List().SetNewName(1, u"새 이름.txt");
    dialog.OnCommand(CommandId::CopyNames);
    EXPECT_EQ(ui.clipboard, u"a.txt\r\n새 이름.txt\r\n");
    dialog.OnCommand(CommandId::CopyPaths);
    EXPECT_EQ(ui.clipboard, NativePath(u"/d/a.txt\r\n/d/b.txt\r\n"));
    EXPECT_TRUE(ui.fileRequests.empty());
}

TEST_F(TransferCommandsTest, PathsFollowTheCommitNotAnUncommittedFolder) {
    AddRow(u"/d/a.txt");
    AddRow(u"/d/b.txt");
    dialog.List().SetFolderText(0, u"/elsewhere");
    dialog.List().SetEntryPath(1, NativePath(u"/d/renamed.txt"));  // as a commit leaves it
    dialog.ExportList(ExportMode::PathsToClipboard);
    EXPECT_EQ(ui.clipboard, NativePath(u"/d/a.txt\r\n/d/renamed.txt\r\n"));
}

TEST_F(TransferCommandsTest, SaveReplacesAnExistingFileWholly) {
    dir.WriteFile("names.txt", std::string(500, 'x'));
    AddRow(u"/d/a.txt");
    Answer(dir.Join(u"names.txt"));
    dialog.ExportList(ExportMode::NewNamesToFile);
    EXPECT_EQ(dir.ReadFile("names.txt"), Utf16File({"a.txt"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TransferCommandsTest, FailedSaveIsReportedAndTouchesNothing) {
    dir.WriteFile("taken/inside.txt", "keep");
    AddRow(u"/d/a.txt");
    const std::u16string missing = dir.Join(u"missing/names.txt");
    const std::u16string folder = dir.Join(u"taken");
    Answer(missing);
    Answer(folder);
    dialog.ExportList(ExportMode::NewNamesToFile);
    dialog.ExportList(ExportMode::PathsToFile);
    EXPECT_EQ(ui.messages,
              (std::vector<std::u16string>{kSaveFailed + missing, kSaveFailed + folder}));
    EXPECT_FALSE(dir.Exists("missing"));
    EXPECT_EQ(dir.ReadFile("taken/inside.txt"), "keep");
    EXPECT_EQ(dialog.List().Count(), 1u);
}

TEST_F(TransferCommandsTest, NewNamesRoundTrip) {
    AddRow(u"/d/a.txt");
    AddRow(u"/d/b.txt");
    AddRow(u"/d/c.txt");
    dialog.List().SetNewName(0, u"앞뒤 공백");
    dialog.List().SetNewName(1, u"한글 이름.txt");
    dialog.List().SetNewName(2, u"x\\y");
    Answer(dir.Join(u"names.txt"));
    dialog.ExportList(ExportMode::NewNamesToFile);
    for (std::size_t i = 0; i < 3; ++i) dialog.List().SetNewName(i, u"other");
    Answer(dir.Join(u"names.txt"));
    dialog.LoadNewNames();
    EXPECT_EQ(NewNames(), (std::vector<std::u16string>{u"앞뒤 공백", u"한글 이름.txt", u"x\\y"}));
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    const FileDialogRequest& open = ui.fileRequests[1];
    EXPECT_EQ(open.title, u"바꿀 파일 이름 불러오기");
    EXPECT_EQ(open.mode, FileDialogRequest::Mode::OpenOne);
    ASSERT_EQ(open.filters.size(), 2u);
    EXPECT_EQ(open.filters[0].caption, u"Text Files(*.txt)");
    EXPECT_EQ(open.filters[1].caption, u"All Files(*.*)");
}

TEST_F(TransferCommandsTest, NewNamesGoToRowsByPosition) {
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::u16string> names;
    };
    const Row rows[] = {
        {"empty lines take no row",
         Utf16File({"one", "", "two", "   ", "three", "four"}),
         {u"one", u"two", u"three"}},
        {"fewer lines keep the rest", Utf16File({"one"}), {u"one", u"b", u"c"}},
        {"UTF-8 without mark", "\xED\x95\x9C\n\xEA\xB8\x80\n"s, {u"한", u"글", u"c"}},
        {"CP949", "\xC7\xD1\r\n\xB1\xDB\r\n"s, {u"한", u"글", u"c"}},
        {"carriage returns alone", "a\rb\rc\r"s, {u"a\rb\rc", u"b", u"c"}},
        {"two bytes", "ab"s, {u"a", u"b", u"c"}},
        {"one byte", "a"s, {u"a", u"b", u"c"}},
    };
    for (const Row& row : rows) {
        dialog.List().Clear();
        AddRow(u"/d/a");
        AddRow(u"/d/b");
        AddRow(u"/d/c");
        dir.WriteFile("in.txt", row.bytes);
        Answer(dir.Join(u"in.txt"));
        dialog.LoadNewNames();
        EXPECT_EQ(NewNames(), row.names) << row.name;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TransferCommandsTest, UnreadableFileIsReportedAndChangesNothing) {
    AddRow(u"/d/a.txt");
    const std::u16string missing = dir.Join(u"missing.txt");
    Answer(missing);
    dialog.LoadNewNames();
    Answer(dir.Text());
    dialog.LoadPathList();
    // A zero would cut the path it lies in short: the list is refused by its line.
    dir.WriteFile("zero.txt", std::string("/d/a.txt\n/d/b\0.txt\n", 19));
    Answer(dir.Join(u"zero.txt"));
    dialog.LoadPathList();
    EXPECT_EQ(ui.messages, (std::vector<std::u16string>{
                               kReadFailed + missing, kReadFailed + dir.Text(),
                               u"목록에 NUL 문자가 있습니다: 2번째 줄\n" + dir.Join(u"zero.txt")}));
    EXPECT_EQ(NewNames(), std::vector<std::u16string>{u"a.txt"});
    EXPECT_EQ(dialog.List().Count(), 1u);
    EXPECT_TRUE(ui.statusHistory.empty());
}

TEST_F(TransferCommandsTest, PathListComparesOnlyWithRowsListedBefore) {
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    dir.WriteFile("c.txt");
    AddRow(dir.Join(u"a.txt"));
    const auto line = [&](std::u16string_view name) { return U8(dir.Join(name)); };
    dir.WriteFile("list.txt", line(u"c.txt\n") + line(u"a.txt\n  ") + line(u"b.txt  \n") +
                                  line(u"c.txt\n\n") + line(u"missing.txt\n") + line(u"b.txt/\n"));
    Answer(dir.Join(u"list.txt"));
    dialog.OnCommand(CommandId::LoadPathList);
    // Appended after the listed row in path order; the same file twice gives two
    // rows, also when written once with a trailing separator.
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{dir.Join(u"a.txt"), dir.Join(u"b.txt"),
                                                    dir.Join(u"b.txt"), dir.Join(u"c.txt"),
                                                    dir.Join(u"c.txt")}));
    EXPECT_EQ(ui.fileRequests.at(0).title, u"파일에서 경로목록 읽어 추가하기");
    // The rows listed twice would collide: the status line counts them, and the
    // line naming nothing, until the command ends.
    const std::u16string missing = u" · 찾거나 읽을 수 없는 항목 1개는 넣지 않았습니다";
    EXPECT_EQ(ui.statusHistory, (std::vector<std::u16string>{u"처리중...", u"", u"5 개" + missing,
                                                             u"5 개 · 충돌 4" + missing}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TransferCommandsTest, PathListKeepsTheFolderAnswer) {
    dir.WriteFile("one/x.txt");
    dir.WriteFile("two/y.txt");
    dir.WriteFile("list.txt", U8(dir.Join(u"one\n")) + U8(dir.Join(u"two\n")));
    struct Row {
        const char* name;
        FolderAnswer choiceBefore;
        std::deque<bool> answers;
        std::vector<std::u16string> paths;
    };
    const Row rows[] = {
        {"contents, answered earlier",
         FolderAnswer::Contents,
         {},
         {dir.Join(u"one/x.txt"), dir.Join(u"two/y.txt")}},
        {"folders, answered earlier",
         FolderAnswer::FolderItself,
         {},
         {dir.Join(u"one"), dir.Join(u"two")}},
        {"not asked yet: asked once",
         FolderAnswer::NotAsked,
         {false},
         {dir.Join(u"one/x.txt"), dir.Join(u"two/y.txt")}},
    };
    for (const Row& row : rows) {
        dialog.List().Clear();
        ui.questions.clear();
        dialog.FolderChoiceState().answer = row.choiceBefore;
        ui.yesNoAnswers = row.answers;
        Answer(dir.Join(u"list.txt"));
        dialog.LoadPathList();
        EXPECT_EQ(Paths(), row.paths) << row.name;
        EXPECT_EQ(ui.questions.size(), row.answers.size()) << row.name;
    }
    EXPECT_EQ(dialog.FolderChoiceState().answer, FolderAnswer::Contents);
}

// One item has one spelling, whatever separators a line has: never a row with an
// empty name, never a second row for a listed item.
TEST_F(TransferCommandsTest, SeparatorsDoNotMakeASecondName) {
    dir.WriteFile("sub/x.txt");
    dir.WriteFile("Vol.2/y.txt");
    dialog.FolderChoiceState().answer = FolderAnswer::FolderItself;
    AddRow(dir.Join(u"sub"), true);
    dir.WriteFile("list.txt", U8(dir.Join(u"sub/\n")) + U8(dir.Join(u"sub\n")) +
                                  U8(dir.Join(u"Vol.2/\n")) + U8(dir.Join(u"sub//x.txt\n")) +
                                  U8(dir.Join(u"sub/./x.txt\n")));
    Answer(dir.Join(u"list.txt"));
    dialog.LoadPathList();
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{dir.Join(u"sub"), dir.Join(u"sub/x.txt"),
                                                    dir.Join(u"sub/x.txt"), dir.Join(u"Vol.2")}));
    EXPECT_EQ(dialog.List().CurrentName(3), u"Vol.2");
}

TEST_F(TransferCommandsTest, RelativeLinesNameFilesBesideTheList) {
    // As `find . > list.txt` writes them: never taken as paths under the root.
    dir.WriteFile("lists/photos/a.jpg");
    dir.WriteFile("lists/b.jpg");
    dir.WriteFile("lists/list.txt", U8(NativePath(u"./photos/a.jpg\nb.jpg\n")));
    Answer(dir.Join(u"lists/list.txt"));
    dialog.LoadPathList();
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{dir.Join(u"lists/b.jpg"),
                                                    dir.Join(u"lists/photos/a.jpg")}));
    EXPECT_EQ(dialog.List().FolderText(0), dir.Join(u"lists"));
}

// A list named without a folder is the one in the current folder; its relative
// lines are beside it, never under the root.
TEST_F(TransferCommandsTest, ListNamedWithoutAFolderIsInTheCurrentFolder) {
    dir.WriteFile("sub/a.txt");
    dir.WriteFile("rel.txt", U8(NativePath(u"sub/a.txt\netc\n")));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    Answer(u"rel.txt");
    dialog.LoadPathList();
    std::filesystem::current_path(previous);
    EXPECT_EQ(Paths(), std::vector<std::u16string>{platform::FullPath(dir.Join(u"sub/a.txt"))});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TransferCommandsTest, PathsRoundTrip) {
    dir.WriteFile("b.txt");
    dir.WriteFile("a b.txt");
    dir.WriteFile("한글.txt");
    dialog.GatherBatch({dir.Join(u"한글.txt"), dir.Join(u"b.txt"), dir.Join(u"a b.txt")}, true);
    const auto listed = Paths();
    ASSERT_EQ(listed.size(), 3u);
    Answer(dir.Join(u"paths.txt"));
    dialog.ExportList(ExportMode::PathsToFile);
    // Into the same list: every path is listed already.
    Answer(dir.Join(u"paths.txt"));
    dialog.LoadPathList();
    EXPECT_EQ(Paths(), listed);
    // Into an empty list: the same rows again, new names equal to current names.
    dialog.List().Clear();
    Answer(dir.Join(u"paths.txt"));
    dialog.LoadPathList();
    EXPECT_EQ(Paths(), listed);
    EXPECT_EQ(NewNames(), (std::vector<std::u16string>{u"a b.txt", u"b.txt", u"한글.txt"}));
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace morvalent::app
