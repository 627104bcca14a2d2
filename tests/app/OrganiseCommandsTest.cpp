#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/Collation.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using testing::NativePath;
using testing::ScriptedUi;
using testing::U16;

struct OrganiseCommandsTest : ::testing::Test {
    void SetUp() override { platform::SetCollationLocale(""); }

    void AddRows(const std::vector<std::u16string>& paths) {
        for (const auto& path : paths) {
            filelist::FileEntry e;
            e.path = NativePath(path);
            dialog.List().InsertEntryRow(e);
        }
    }
    std::vector<std::u16string> Paths() const {
        std::vector<std::u16string> paths;
        for (std::size_t i = 0; i < dialog.List().Count(); ++i) {
            paths.push_back(dialog.List().Entry(i).path);
        }
        return paths;
    }
    void Sort(int choice) {
        ui.inputAnswers.push_back({true, u"", u"", choice});
        dialog.OnCommand(CommandId::SortList);
    }
    void Press(Key key) {
        KeyMessage message;
        message.key = key;
        EXPECT_TRUE(dialog.PreTranslateMessage(message));
    }

    ScriptedUi ui;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    MainDialog dialog{ui, ui, *fs, icons};
};

using PathList = std::vector<std::u16string>;

PathList Native(const PathList& paths) {
    PathList native;
    for (const auto& path : paths) native.push_back(NativePath(path));
    return native;
}

TEST_F(OrganiseCommandsTest, AsksForOneOfTheCriteria) {
    AddRows({u"/b", u"/a"});
    Sort(0);
    ASSERT_EQ(ui.shownDialogs.size(), 1u);
    const InputDialog& shown = ui.shownDialogs[0];
    EXPECT_EQ(shown.description, U16("정렬 기준 설정"));
    EXPECT_EQ(shown.label1, u"");
    EXPECT_EQ(shown.label2, u"");
    EXPECT_EQ(shown.choice, 0);
    const std::vector<std::u16string> expected = {
        U16("파일 이름에 따라 오름차순"),   U16("파일 이름에 따라 내림차순"),
        U16("전체경로에 따라 오름차순"),    U16("전체경로에 따라 내림차순"),
        U16("파일 크기에 따라 오름차순"),   U16("파일 크기에 따라 내림차순"),
        U16("수정한 시각에 따라 오름차순"), U16("수정한 시각에 따라 내림차순"),
        U16("만든 시각에 따라 오름차순"),   U16("만든 시각에 따라 내림차순"),
        // The file managers' order, after the ten.
        U16("이름 (숫자 순)"),              U16("이름 (숫자 역순)"),
    };
    EXPECT_EQ(shown.choices, expected);
    EXPECT_TRUE(ui.messages.empty());

    // Every sort starts again from the first criterion.
    Sort(3);
    ASSERT_EQ(ui.shownDialogs.size(), 2u);
    EXPECT_EQ(ui.shownDialogs[1].choice, 0);
}

TEST_F(OrganiseCommandsTest, CancelKeepsTheOrder) {
    AddRows({u"/c", u"/a", u"/b"});
    ScriptedUi::InputAnswer cancel;
    cancel.ok = false;
    ui.inputAnswers.push_back(cancel);
    dialog.OnCommand(CommandId::SortList);
    EXPECT_EQ(Paths(), Native({u"/c", u"/a", u"/b"}));
}

TEST_F(OrganiseCommandsTest, ChoiceOutsideTheListKeepsTheOrder) {
    AddRows({u"/c", u"/a"});
    Sort(12);
    Sort(-1);
    EXPECT_EQ(Paths(), Native({u"/c", u"/a"}));
}

TEST_F(OrganiseCommandsTest, OkWithoutChangeSortsByNameAscending) {
    AddRows({u"/1/file2.txt", u"/2/abc.txt", u"/3/file10.txt", u"/4/ABC.txt"});
    auto& list = dialog.List();
    list.SetNewName(1, u"zzz.txt");  // pending new names play no part
    list.SetNewName(2, u"000.txt");
    list.SetSelected(0, true);
    list.SetFocusedRow(0);
    Sort(0);
    EXPECT_EQ(Paths(), Native({u"/2/abc.txt", u"/4/ABC.txt", u"/3/file10.txt", u"/1/file2.txt"}));
    EXPECT_EQ(list.NewName(0), u"zzz.txt");
    EXPECT_EQ(list.NewName(2), u"000.txt");
    EXPECT_EQ(list.SelectedRows(), (std::vector<std::size_t>{3}));
    EXPECT_EQ(list.FocusedRow(), std::optional<std::size_t>(3));
    // Nothing is scrolled into view; the busy cursor is back to normal.
    EXPECT_TRUE(ui.ensuredVisible.empty());
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(OrganiseCommandsTest, PathSortIgnoresAChangedFolderColumn) {
    AddRows({u"/b/x", u"/c/y", u"/a/z"});
    dialog.List().SetFolderText(1, u"/0");
    Sort(2);
    EXPECT_EQ(Paths(), Native({u"/a/z", u"/b/x", u"/c/y"}));
    EXPECT_EQ(dialog.List().FolderText(2), u"/0");
    Sort(3);
    EXPECT_EQ(Paths(), Native({u"/c/y", u"/b/x", u"/a/z"}));
}

TEST_F(OrganiseCommandsTest, SizesOfRealFilesBeyond32Bits) {
    testing::TempDir dir;
    dir.WriteFile("small", std::string(100, 'x'));
    dir.WriteFile("big");
    dir.WriteFile("middle", std::string(5000, 'x'));
    // Sparse: the size is real, the disk blocks are not.
    std::filesystem::resize_file(dir.Path() / "big", 3ull << 30);
    dialog.OnDropFiles({dir.Join(u"big"), dir.Join(u"small"), dir.Join(u"middle")});
    ASSERT_EQ(dialog.List().Count(), 3u);

    Sort(4);
    EXPECT_EQ(Paths(), (PathList{dir.Join(u"small"), dir.Join(u"middle"), dir.Join(u"big")}));
    EXPECT_EQ(dialog.List().Entry(2).size, 3ull << 30);
    Sort(5);
    EXPECT_EQ(Paths(), (PathList{dir.Join(u"big"), dir.Join(u"middle"), dir.Join(u"small")}));
}

TEST_F(OrganiseCommandsTest, CtrlAReleasedAsksForTheCriterion) {
    KeyMessage ctrlA;
    ctrlA.type = KeyMessage::Type::Release;
    ctrlA.key = Key::A;
    ctrlA.ctrl = true;
    EXPECT_FALSE(dialog.PreTranslateMessage(ctrlA));  // empty list: not ours
    EXPECT_TRUE(ui.shownDialogs.empty());
    AddRows({u"/b", u"/a"});
    ui.inputAnswers.push_back({true, u"", u"", 0});
    EXPECT_TRUE(dialog.PreTranslateMessage(ctrlA));
    EXPECT_EQ(Paths(), Native({u"/a", u"/b"}));
}

TEST_F(OrganiseCommandsTest, KeysAndMenuMoveTheSelection) {
    AddRows({u"/a", u"/b", u"/c", u"/d", u"/e", u"/f", u"/g"});
    auto& list = dialog.List();
    list.SetSelected(2, true);
    list.SetSelected(5, true);

    // The keys act whatever the menu state says.
    Press(Key::Period);
    EXPECT_EQ(Paths(), Native({u"/a", u"/b", u"/d", u"/c", u"/e", u"/g", u"/f"}));
    EXPECT_EQ(list.SelectedRows(), (std::vector<std::size_t>{3, 6}));
    ASSERT_EQ(ui.ensuredVisible.size(), 1u);
    EXPECT_EQ(ui.ensuredVisible.back(), 3u);  // the top-most moved row

    // The last row is selected: down moves nothing.
    dialog.OnCommand(CommandId::MoveDown);
    EXPECT_EQ(Paths(), Native({u"/a", u"/b", u"/d", u"/c", u"/e", u"/g", u"/f"}));
    EXPECT_EQ(ui.ensuredVisible.size(), 1u);

    Press(Key::Comma);
    EXPECT_EQ(Paths(), Native({u"/a", u"/b", u"/c", u"/d", u"/e", u"/f", u"/g"}));
    EXPECT_EQ(list.SelectedRows(), (std::vector<std::size_t>{2, 5}));
    EXPECT_EQ(ui.ensuredVisible.back(), 5u);  // the bottom-most moved row

    dialog.OnCommand(CommandId::MoveUp);
    dialog.OnCommand(CommandId::MoveUp);
    EXPECT_EQ(Paths(), Native({u"/c", u"/a", u"/b", u"/f", u"/d", u"/e", u"/g"}));
    // Row 0 is selected: up moves nothing.
    dialog.OnCommand(CommandId::MoveUp);
    EXPECT_EQ(Paths(), Native({u"/c", u"/a", u"/b", u"/f", u"/d", u"/e", u"/g"}));
    EXPECT_EQ(ui.ensuredVisible.size(), 4u);
}

TEST_F(OrganiseCommandsTest, MovesWithoutSelectionOrRowsDoNothing) {
    Press(Key::Comma);
    Press(Key::Period);
    AddRows({u"/a", u"/b"});
    Press(Key::Comma);
    Press(Key::Period);
    EXPECT_EQ(Paths(), Native({u"/a", u"/b"}));
    EXPECT_TRUE(ui.ensuredVisible.empty());
}

// Latin letters before Hangul, Hangul in Korean order, on every system.
TEST(KoreanOrganiseCommands, HangulNamesInKoreanOrder) {
    using PathList = std::vector<std::u16string>;
    const auto path = [](const char* slashed) {
        return testing::NativePath(testing::U16(slashed));
    };
    testing::ScriptedUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    MainDialog dialog{ui, ui, *fs, icons};
    const auto paths = [&dialog] {
        PathList paths;
        for (std::size_t i = 0; i < dialog.List().Count(); ++i) {
            paths.push_back(dialog.List().Entry(i).path);
        }
        return paths;
    };
    const auto sort = [&](int choice) {
        ui.inputAnswers.push_back({true, u"", u"", choice});
        dialog.OnCommand(CommandId::SortList);
    };
    platform::SetCollationLocale("ko_KR.UTF-8");
    for (const char* p : {"/h/하늘.txt", "/h/sky.txt", "/h/가을.txt", "/h/마음.txt"}) {
        filelist::FileEntry e;
        e.path = path(p);
        dialog.List().InsertEntryRow(e);
    }
    sort(0);
    EXPECT_EQ(paths(), (PathList{path("/h/sky.txt"), path("/h/가을.txt"), path("/h/마음.txt"),
                                 path("/h/하늘.txt")}));
    sort(1);
    EXPECT_EQ(paths(), (PathList{path("/h/하늘.txt"), path("/h/마음.txt"), path("/h/가을.txt"),
                                 path("/h/sky.txt")}));
    platform::SetCollationLocale("");
}

}  // namespace
}  // namespace morvalent::app
