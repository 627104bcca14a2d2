#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "platform/Collation.h"
#include "support/ForwardingFileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using testing::ScriptedUi;
using testing::TempDir;

struct MainDialogTest : ::testing::Test {
    void SetUp() override { platform::SetCollationLocale(""); }
    void AddRows(std::initializer_list<const char16_t*> paths) {
        for (const char16_t* p : paths) {
            filelist::FileEntry e;
            e.path = p;
            dialog.List().InsertEntryRow(e);
        }
    }
    KeyMessage Release(Key key, bool shift = false) {
        return KeyMessage{KeyMessage::Type::Release, key, true, shift, false};
    }

    ScriptedUi ui;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    MainDialog dialog{ui, ui, *fs, icons};
};

// Every call fails as an exhausted memory or a broken library would.
class FailingFileSystem : public testing::ForwardingFileSystem {
  public:
    std::optional<bool> IsFolder(std::u16string_view path) override {
        if (path.ends_with(u"memory")) throw std::bad_alloc();
        throw std::runtime_error("disk on fire");
    }
};

TEST(MainDialogGuard, ACommandThatFailsEndsWithAMessageAndTheListAsItWas) {
    const struct {
        const char* name;
        std::u16string path;
        std::u16string message;
    } cases[] = {
        {"out of memory", u"/memory", u"메모리가 부족하여 명령을 마치지 못했습니다."},
        {"other error", u"/other", u"명령을 마치지 못했습니다.\ndisk on fire"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedUi ui;
        FailingFileSystem fs;
        filelist::PlainIconSource icons;
        MainDialog dialog{ui, ui, fs, icons};
        filelist::FileEntry listed;
        listed.path = u"/listed.txt";
        dialog.List().InsertEntryRow(listed);
        // A changed name sends the conflict marks to the failing disk too: they
        // add no message of their own.
        dialog.List().SetNewName(0, u"renamed.txt");
        dialog.OnDropFiles({c.path});
        ui.fileAnswers.push_back({c.path});
        EXPECT_TRUE(dialog.OnCommand(CommandId::AddFiles));
        EXPECT_EQ(ui.messages, (std::vector<std::u16string>{c.message, c.message}));
        EXPECT_EQ(dialog.List().Count(), 1u);
        EXPECT_EQ(ui.busyDepth, 0);
    }
}

// What a user who is not root meets in folders without read or search
// permission (root reads them all): one folder that cannot be listed, one whose
// items cannot be looked at.
class ClosedFolders : public testing::ForwardingFileSystem {
  public:
    std::u16string closed;
    std::u16string blind;
    bool ListFolder(std::u16string_view folder, std::vector<platform::FolderItem>& items) override {
        if (folder == closed) {
            items.clear();
            return false;
        }
        const bool listed = ForwardingFileSystem::ListFolder(folder, items);
        if (folder == blind) {
            for (platform::FolderItem& item : items) item = {item.name, false, false, true, {}};
        }
        return listed;
    }
};

TEST(MainDialogGather, ItemsThatCannotBeReadAreCountedNotDropped) {
    TempDir dir;
    dir.WriteFile("top/a.txt");
    dir.WriteFile("top/closed/b.txt");
    dir.WriteFile("top/blind/c.txt");
    dir.WriteFile("top/blind/d.txt");
    ScriptedUi ui;
    ClosedFolders fs;
    fs.closed = dir.Join(u"top/closed");
    fs.blind = dir.Join(u"top/blind");
    filelist::PlainIconSource icons;
    MainDialog dialog{ui, ui, fs, icons};
    ui.yesNoAnswers.push_back(false);  // the folders' contents
    const Outcome outcome = dialog.OnDropFiles({dir.Join(u"top"), dir.Join(u"gone.txt")});
    EXPECT_EQ(outcome.kind, Outcome::Kind::Done);
    // The closed folder, the two blind items and the path that names nothing.
    EXPECT_EQ(outcome.unreadable, 4u);
    ASSERT_EQ(dialog.List().Count(), 1u);
    EXPECT_EQ(ui.statusHistory.back(), u"1 개 · 찾거나 읽을 수 없는 항목 4개는 넣지 않았습니다");
    // A line no system takes for a path is counted without being tried.
    ui.yesNoAnswers.push_back(false);
    EXPECT_EQ(dialog.OnDropFiles({std::u16string(40000, u'a')}).unreadable, 1u);
    EXPECT_EQ(dialog.OnDropFiles({dir.Join(u"top/a.txt")}).unreadable, 0u);
}

TEST_F(MainDialogTest, StatesAtStartAfterAddingAndClearing) {
    dialog.OnInitDialog();
    for (const auto& command : AllCommands()) {
        if (command.needs == Needs::Always) continue;
        EXPECT_FALSE(ui.enabled.at(command.id)) << command.id;
    }
    EXPECT_EQ(ui.columnWidths.at(3), 0);
    EXPECT_EQ(ui.columnWidths.at(6), 0);
    EXPECT_FALSE(ui.checked.at(CommandId::ShowFullPath));

    TempDir dir;
    dir.WriteFile("a.txt");
    ui.fileAnswers.push_back({dir.Join(u"a.txt")});
    EXPECT_TRUE(dialog.OnCommand(CommandId::AddFiles));
    EXPECT_EQ(ui.fileRequests[0].title, u"이름 붙일 파일 불러오기");
    EXPECT_EQ(ui.fileRequests[0].filters[0].caption, u"All Files(*.*)");
    EXPECT_EQ(ui.status, u"1 개");
    EXPECT_EQ(ui.statusHistory, (std::vector<std::u16string>{u"처리중...", u"", u"1 개"}));
    EXPECT_TRUE(ui.enabled.at(CommandId::ApplyRenames));
    EXPECT_TRUE(ui.enabled.at(CommandId::LoadNewNames));
    EXPECT_FALSE(ui.enabled.at(CommandId::DirectRename));
    EXPECT_FALSE(ui.enabled.at(CommandId::MoveUp));

    dialog.List().SetSelected(0, true);
    dialog.OnSelectionChanged();  // the mouse changed the selection
    EXPECT_TRUE(ui.enabled.at(CommandId::DirectRename));
    EXPECT_TRUE(ui.enabled.at(CommandId::MoveDown));

    dialog.OnCommand(CommandId::ClearList);
    EXPECT_EQ(dialog.List().Count(), 0u);
    EXPECT_EQ(ui.status, u"");
    EXPECT_FALSE(ui.enabled.at(CommandId::ApplyRenames));
    EXPECT_FALSE(ui.enabled.at(CommandId::DirectRename));
}

TEST_F(MainDialogTest, AddingAnAlreadyListedFileLeavesTheStatusEmpty) {
    TempDir dir;
    dir.WriteFile("a.txt");
    ui.fileAnswers.push_back({dir.Join(u"a.txt")});
    ui.fileAnswers.push_back({dir.Join(u"a.txt")});
    dialog.OnCommand(CommandId::AddFiles);
    dialog.OnCommand(CommandId::AddFiles);
    EXPECT_EQ(dialog.List().Count(), 1u);
    EXPECT_EQ(ui.status, u"");
}

TEST_F(MainDialogTest, CancelledOpenDialogChangesNothing) {
    ui.fileAnswers.push_back({});
    dialog.OnCommand(CommandId::AddFiles);
    EXPECT_TRUE(ui.statusHistory.empty());
}

TEST_F(MainDialogTest, DropResetsTheFolderAnswerAndAsksWithThePathAsCaption) {
    TempDir dir;
    dir.WriteFile("f/a.txt");
    dir.WriteFile("g/b.txt");
    ui.yesNoAnswers = {false, true};
    dialog.OnDropFiles({dir.Join(u"f")});
    dialog.OnDropFiles({dir.Join(u"g")});
    ASSERT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(ui.questions[0].first,
              u"경로를 직접 추가려면 YES, 경로내 파일을 추가하려면 NO 선택.");
    EXPECT_EQ(ui.questions[0].second, dir.Join(u"f"));
    EXPECT_EQ(dialog.List().Count(), 2u);
    EXPECT_FALSE(dialog.List().Entry(0).isFolder);
    EXPECT_TRUE(dialog.List().Entry(1).isFolder);
    EXPECT_EQ(dialog.FolderChoiceState().answer, filelist::FolderAnswer::FolderItself);
}

TEST_F(MainDialogTest, DeleteRemovesSelectedRowsAndShowsTheCount) {
    AddRows({u"/0", u"/1", u"/2", u"/3"});
    dialog.List().SetSelected(1, true);
    dialog.List().SetSelected(3, true);
    EXPECT_TRUE(dialog.PreTranslateMessage({KeyMessage::Type::Press, Key::Delete}));
    ASSERT_EQ(dialog.List().Count(), 2u);
    EXPECT_EQ(dialog.List().Entry(0).path, u"/0");
    EXPECT_EQ(dialog.List().Entry(1).path, u"/2");
    EXPECT_EQ(ui.status, u"2 개");
    // Consumed even with nothing selected.
    EXPECT_TRUE(dialog.PreTranslateMessage({KeyMessage::Type::Press, Key::Delete}));
    EXPECT_EQ(dialog.List().Count(), 2u);
    dialog.List().SetSelected(0, true);
    dialog.List().SetSelected(1, true);
    dialog.PreTranslateMessage({KeyMessage::Type::Press, Key::Delete});
    EXPECT_EQ(ui.status, u"");
    EXPECT_FALSE(ui.enabled.at(CommandId::ApplyRenames));
}

TEST_F(MainDialogTest, ShortcutsActOnReleaseWithCtrl) {
    struct Row {
        const char* name;
        KeyMessage message;
        bool consumed;
        std::size_t fileDialogs;
    };
    const Row rows[] = {
        {"Ctrl+O press passes", {KeyMessage::Type::Press, Key::O, true, false, false}, false, 0},
        {"O release without Ctrl",
         {KeyMessage::Type::Release, Key::O, false, false, false},
         false,
         0},
        {"auto-repeat release", {KeyMessage::Type::Release, Key::O, true, false, true}, false, 0},
        {"Ctrl+O release opens", {KeyMessage::Type::Release, Key::O, true, false, false}, true, 1},
        // Empty list: these do nothing and pass on.
        {"Ctrl+S empty", Release(Key::S), false, 0},
        {"Ctrl+Z empty", Release(Key::Z), false, 0},
        {"Ctrl+L empty", Release(Key::L), false, 0},
        {"Ctrl+A empty", Release(Key::A), false, 0},
        {"Ctrl+C empty", Release(Key::C), false, 0},
        {"Ctrl+X empty", Release(Key::X, true), false, 0},
        // V is consumed in every case.
        {"Ctrl+V empty", Release(Key::V), true, 0},
    };
    for (const Row& row : rows) {
        ui.fileAnswers = {{}};
        ui.fileRequests.clear();
        EXPECT_EQ(dialog.PreTranslateMessage(row.message), row.consumed) << row.name;
        EXPECT_EQ(ui.fileRequests.size(), row.fileDialogs) << row.name;
    }
}

TEST_F(MainDialogTest, ViewTogglesSetWidthsAndChecks) {
    struct Row {
        CommandId command;
        filelist::Column column;
        int width;
    };
    const Row rows[] = {{CommandId::ShowFullPath, filelist::ColFullPath, 120},
                        {CommandId::ShowSize, filelist::ColSize, 80},
                        {CommandId::ShowModified, filelist::ColModified, 120},
                        {CommandId::ShowCreated, filelist::ColCreated, 120}};
    for (const Row& row : rows) {
        dialog.OnCommand(row.command);
        EXPECT_EQ(ui.columnWidths.at(row.column), row.width);
        EXPECT_TRUE(ui.checked.at(row.command));
        EXPECT_TRUE(dialog.IsViewFlagSet(row.column));
        dialog.OnCommand(row.command);
        EXPECT_EQ(ui.columnWidths.at(row.column), 0);
        EXPECT_FALSE(ui.checked.at(row.command));
    }
    for (const Row& row : rows) EXPECT_FALSE(dialog.IsViewFlagSet(row.column));
    dialog.SetViewFlag(filelist::ColSize, true);
    dialog.SetViewFlag(filelist::ColSize, false);
    EXPECT_FALSE(dialog.IsViewFlagSet(filelist::ColSize));
}

TEST_F(MainDialogTest, VersionAndExit) {
    dialog.OnCommand(CommandId::Version);
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"Morvalent 08.02.10 버전"});
    AddRows({u"/a"});
    EXPECT_TRUE(dialog.OnCommand(CommandId::Exit));
    EXPECT_TRUE(ui.closed);
    EXPECT_EQ(dialog.List().Count(), 0u);
    EXPECT_TRUE(dialog.OnCommand(CommandId::Ok));
    EXPECT_FALSE(dialog.OnCommand(CommandId(12345)));
}

TEST_F(MainDialogTest, AddFoldersGathersTheChosenFoldersAsOneDrop) {
    TempDir dir;
    dir.WriteFile("f/a.txt");
    dir.WriteFile("g/b.txt");
    ui.folderListAnswers = {{dir.Join(u"f"), dir.Join(u"g")}};
    ui.yesNoAnswers = {false};  // the contents, asked once for the batch
    EXPECT_EQ(dialog.OnCommand(CommandId::AddFolders)->kind, Outcome::Kind::Done);
    EXPECT_EQ(ui.questions.size(), 1u);
    ASSERT_EQ(dialog.List().Count(), 2u);
    EXPECT_EQ(dialog.List().Entry(1).path, dir.Join(u"g/b.txt"));
    // Cancelled: nothing more.
    ui.folderListAnswers = {{}};
    EXPECT_EQ(dialog.OnCommand(CommandId::AddFolders)->kind, Outcome::Kind::Cancelled);
    EXPECT_EQ(dialog.List().Count(), 2u);
}

TEST_F(MainDialogTest, EveryCommandIdIsDispatched) {
    // With an empty list, every command runs without asking anything unscripted,
    // except those that always ask.
    for (const auto& command : AllCommands()) {
        if (command.id == CommandId::Exit) continue;
        ui.fileAnswers = {{}};
        ScriptedUi::InputAnswer cancel;
        cancel.ok = false;
        ui.inputAnswers = {cancel};
        ui.folderAnswers = {u""};
        ui.folderListAnswers = {{}};
        ui.okCancelAnswers = {false};
        EXPECT_TRUE(dialog.OnCommand(command.id)) << command.id;
    }
}

// The folders are read once; a commit, a gather and the next-conflict command look
// again, other commands do not.
TEST_F(MainDialogTest, ConflictsSeeTheDiskAsLastRead) {
    TempDir dir;
    dir.WriteFile("a.txt");
    dialog.OnDropFiles({dir.Join(u"a.txt")});
    ui.inputAnswers.push_back({true, u"a", u"b"});
    dialog.OnCommand(CommandId::ReplaceString);
    EXPECT_EQ(dialog.Conflicts().At(0), commit::Conflict::None);
    dir.WriteFile("b.txt");
    dialog.OnCommand(CommandId::ShowSize);
    EXPECT_EQ(dialog.Conflicts().At(0), commit::Conflict::None);
    dialog.PreTranslateMessage({KeyMessage::Type::Press, Key::F8});
    EXPECT_EQ(dialog.Conflicts().At(0), commit::Conflict::Exists);
    EXPECT_EQ(dialog.List().FocusedRow(), std::optional<std::size_t>(0));
}

}  // namespace
}  // namespace morvalent::app
