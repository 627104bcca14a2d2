#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "CommitFixture.h"
#include "platform/Text.h"

namespace morvalent::app::commit_testing {
namespace {

using testing::NativePath;
using testing::TempDir;

TEST_F(CommitTest, NeverOverwritesAnything) {
    struct Case {
        const char* name;
        std::function<void(const TempDir&)> make;
        std::u16string from;
        std::u16string newName;
        bool isFolder;
    };
    const Case cases[] = {
        {"file onto file",
         [](const TempDir& d) {
             d.WriteFile("a.txt", "A");
             d.WriteFile("b.txt", "B");
         },
         u"a.txt", u"b.txt", false},
        {"file onto folder",
         [](const TempDir& d) {
             d.WriteFile("a.txt", "A");
             d.WriteFile("b/x.txt", "X");
         },
         u"a.txt", u"b", false},
        {"file onto empty folder",
         [](const TempDir& d) {
             d.WriteFile("a.txt", "A");
             d.MakeFolder("b");
         },
         u"a.txt", u"b", false},
        {"folder onto folder",
         [](const TempDir& d) {
             d.WriteFile("a/x.txt", "X");
             d.WriteFile("b/y.txt", "Y");
         },
         u"a", u"b", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir local;
        c.make(local);
        const std::string before = Listing(local.Path());
        dialog.List().Clear();
        filelist::FileEntry entry;
        entry.path = local.Join(c.from);
        entry.isFolder = c.isFolder;
        dialog.List().InsertEntryRow(entry);
        dialog.List().SetNewName(0, c.newName);
        Commit();
        EXPECT_EQ(LastMessage(), local.Join(c.from) + u" -> " + local.Join(c.newName) +
                                     u" 변경 실패. (같은 이름이 이미 있습니다)\n");
        EXPECT_EQ(Listing(local.Path()), before);
        EXPECT_EQ(dialog.List().CurrentName(0), c.from);
        EXPECT_EQ(dialog.List().NewName(0), c.newName);
    }
}

TEST_F(CommitTest, SwappingTwoNamesFailsOnBothRows) {
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    Add(u"a.txt", u"b.txt");
    Add(u"b.txt", u"a.txt");
    Commit();
    EXPECT_EQ(ui.messages.back().substr(0, 16), u"2개 중 0개를 바꿨습니다.\n");
    EXPECT_EQ(LastMessage(), Fail(u"a.txt", u"b.txt", u"같은 이름이 이미 있습니다") +
                                 Fail(u"b.txt", u"a.txt", u"같은 이름이 이미 있습니다"));
    EXPECT_EQ(Disk(), "a.txt=A\nb.txt=B\n");
}

TEST_F(CommitTest, EachRenameSeesTheDiskAsEarlierRowsLeftIt) {
    {
        SCOPED_TRACE("b to c, then a to b");
        TempDir local;
        local.WriteFile("a", "A");
        local.WriteFile("b", "B");
        dialog.List().Clear();
        dialog.List().InsertEntryRow({local.Join(u"b")});
        dialog.List().SetNewName(0, u"c");
        dialog.List().InsertEntryRow({local.Join(u"a")});
        dialog.List().SetNewName(1, u"b");
        Commit();
        EXPECT_EQ(LastMessage(), u"파일 이름을 변경하였습니다.");
        EXPECT_EQ(Listing(local.Path()), "b=A\nc=B\n");
    }
    {
        SCOPED_TRACE("a to b, then b to c");
        TempDir local;
        local.WriteFile("a", "A");
        local.WriteFile("b", "B");
        dialog.List().Clear();
        dialog.List().InsertEntryRow({local.Join(u"a")});
        dialog.List().SetNewName(0, u"b");
        dialog.List().InsertEntryRow({local.Join(u"b")});
        dialog.List().SetNewName(1, u"c");
        Commit();
        EXPECT_EQ(LastMessage(), local.Join(u"a") + u" -> " + local.Join(u"b") +
                                     u" 변경 실패. (같은 이름이 이미 있습니다)\n");
        EXPECT_EQ(Listing(local.Path()), "a=A\nc=B\n");
    }
}

TEST_F(CommitTest, RenamedRowsShowTheirNewState) {
    dir.WriteFile("readme.txt", "R");
    dir.WriteFile("photo.txt", "P");
    dir.WriteFile("same.txt", "S");
    dir.WriteFile("d/x.txt", "X");
    Add(u"readme.txt", u"README.txt");
    Add(u"photo.txt", u"photo.png");
    Add(u"same.txt", u"same.txt");
    Add(u"d", u"e", true);
    Commit();
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"파일 이름을 변경하였습니다."});
    EXPECT_EQ(Disk(), "README.txt=R\ne/\ne/x.txt=X\nphoto.png=P\nsame.txt=S\n");
    const auto& list = dialog.List();
    EXPECT_EQ(list.CurrentName(0), u"README.txt");
    EXPECT_EQ(list.ColumnText(1, filelist::ColCurrentName), u"photo.png");
    EXPECT_EQ(list.ColumnText(1, filelist::ColNewName), u"photo.png");
    EXPECT_EQ(list.ColumnText(1, filelist::ColFolder), dir.Text());
    EXPECT_EQ(list.ColumnText(1, filelist::ColFullPath), dir.Join(u"photo.png"));
    EXPECT_EQ(list.At(1).icon, 7);
    EXPECT_EQ(list.At(3).icon, 1);
    EXPECT_EQ(list.SelectedCount(), 0u);
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_TRUE(ui.statusHistory.empty());
    EXPECT_EQ(fs.moves, 3);
}

TEST_F(CommitTest, UnifiedFolderMovesTheFilesThere) {
    dir.WriteFile("x/a.txt", "A");
    dir.WriteFile("y/b.txt", "B");
    dir.MakeFolder("dest");
    Add(u"x/a.txt", u"a.txt");
    Add(u"y/b.txt", u"b.txt");
    dialog.List().SetFolderText(0, dir.Join(u"dest"));
    dialog.List().SetFolderText(1, dir.Join(u"dest"));
    Commit();
    EXPECT_EQ(LastMessage(), u"파일 이름을 변경하였습니다.");
    EXPECT_EQ(Disk(), "dest/\ndest/a.txt=A\ndest/b.txt=B\nx/\ny/\n");
    EXPECT_EQ(dialog.List().FolderText(0), dir.Join(u"dest"));
}

TEST_F(CommitTest, NameWithASeparatorMovesIntoASubfolderThatExists) {
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    dir.MakeFolder("sub");
    Add(u"a.txt", NativePath(u"sub/a2.txt"));
    Add(u"b.txt", NativePath(u"missing/b.txt"));
    Commit();
    EXPECT_EQ(LastMessage(), Fail(u"b.txt", u"missing/b.txt", u"파일이나 폴더를 찾을 수 없습니다"));
    EXPECT_EQ(Disk(), "b.txt=B\nsub/\nsub/a2.txt=A\n");
    EXPECT_EQ(dialog.List().CurrentName(0), u"a2.txt");
    EXPECT_EQ(dialog.List().NewName(0), u"a2.txt");
    EXPECT_EQ(dialog.List().FolderText(0), dir.Join(u"sub"));
}

// Rows beneath a renamed folder move with it, and so do their targets: an
// unchanged row stays in the renamed folder, an edited one lands there under its
// new name, in either row order; a target elsewhere stays where it was.
TEST_F(CommitTest, FolderRenamesCarryTheRowsBeneath) {
    struct Row {
        std::u16string path;
        std::u16string newName;
        bool isFolder = false;
        std::u16string folderText = {};  // relative; empty keeps the row's own
    };
    struct Case {
        const char* name;
        std::vector<std::string> files;
        std::vector<Row> rows;
        std::string disk;
    };
    const Case cases[] = {
        {"folder first, file edited",
         {"d/f.txt"},
         {{u"d", u"e", true}, {u"d/f.txt", u"g.txt"}},
         "e/\ne/g.txt=F\n"},
        {"file first, file edited",
         {"d/f.txt"},
         {{u"d/f.txt", u"g.txt"}, {u"d", u"e", true}},
         "e/\ne/g.txt=F\n"},
        {"folder first, file unchanged",
         {"d/f.txt"},
         {{u"d", u"e", true}, {u"d/f.txt", u"f.txt"}},
         "e/\ne/f.txt=F\n"},
        {"a folder takes the old name of another",
         {"c/x.txt", "d/f.txt"},
         {{u"d", u"e", true}, {u"c", u"d", true}, {u"d/f.txt", u"f.txt"}},
         "d/\nd/x.txt=F\ne/\ne/f.txt=F\n"},
        {"nested folders, edited and unchanged files",
         {"a/c/f.txt", "a/c/h.txt"},
         {{u"a/c/f.txt", u"g.txt"},
          {u"a", u"b", true},
          {u"a/c", u"d", true},
          {u"a/c/h.txt", u"h.txt"}},
         "b/\nb/d/\nb/d/g.txt=F\nb/d/h.txt=F\n"},
        {"a target elsewhere stays",
         {"d/f.txt", "other/"},
         {{u"d", u"e", true}, {u"d/f.txt", u"f.txt", false, u"other"}},
         "e/\nother/\nother/f.txt=F\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir local;
        for (const std::string& file : c.files) {
            if (file.ends_with('/')) {
                local.MakeFolder(file.substr(0, file.size() - 1));
            } else {
                local.WriteFile(file, "F");
            }
        }
        dialog.List().Clear();
        for (const Row& r : c.rows) {
            filelist::FileEntry entry;
            entry.path = local.Join(r.path);
            entry.isFolder = r.isFolder;
            const std::size_t row = dialog.List().InsertEntryRow(entry);
            dialog.List().SetNewName(row, r.newName);
            if (!r.folderText.empty()) dialog.List().SetFolderText(row, local.Join(r.folderText));
        }
        Commit();
        EXPECT_EQ(LastMessage(), u"파일 이름을 변경하였습니다.");
        EXPECT_EQ(Listing(local.Path()), c.disk);
    }
}

// Such a target comes from cutting a surrogate pair apart. Some file systems take
// it, but it is never the name the user meant.
TEST_F(CommitTest, TargetThatCannotNameAnythingIsAFailureLine) {
    dir.WriteFile("a.txt", "A");
    const std::u16string bad = std::u16string(u"a") + char16_t(0xD800) + u".txt";
    Add(u"a.txt", bad);
    Commit();
    EXPECT_EQ(LastMessage(), Fail(u"a.txt", bad, u"이름을 그대로 쓸 수 없습니다"));
    EXPECT_EQ(Disk(), "a.txt=A\n");
    EXPECT_EQ(fs.moves, 0);
}

// A zero unit (from an imported list, say) would end the path there: the item
// would be renamed to the part before it.
TEST_F(CommitTest, TargetWithAZeroUnitIsAFailureLine) {
    dir.WriteFile("a.txt", "A");
    const std::u16string bad(u"b\0.txt", 6);
    Add(u"a.txt", bad);
    Commit();
    // The system refuses it in words of its own.
    EXPECT_TRUE(
        LastMessage().starts_with(dir.Join(u"a.txt") + u" -> " + dir.Join(bad) + u" 변경 실패. ("));
    EXPECT_EQ(Disk(), "a.txt=A\n");
}

TEST_F(CommitTest, SecondCommitRetriesOnlyTheFailedRows) {
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    dir.WriteFile("c.txt", "C");
    Add(u"a.txt", u"a2.txt");
    Add(u"b.txt", u"c.txt");
    Commit();
    EXPECT_EQ(LastMessage(), Fail(u"b.txt", u"c.txt", u"같은 이름이 이미 있습니다"));
    EXPECT_EQ(fs.moves, 2);
    std::filesystem::remove(dir.Path() / "c.txt");
    Commit();
    EXPECT_EQ(LastMessage(), u"파일 이름을 변경하였습니다.");
    EXPECT_EQ(fs.moves, 3);
    EXPECT_EQ(Disk(), "a2.txt=A\nc.txt=B\n");
}

TEST_F(CommitTest, ErrorDuringOneRowIsShownAndTheOthersGoOn) {
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    Add(u"a.txt", u"a2.txt");
    Add(u"b.txt", u"b2.txt");
    fs.throwFor = dir.Join(u"a.txt");
    Commit();
    EXPECT_EQ(ui.messages, (std::vector<std::u16string>{
                               u"read error on the disk",
                               u"2개 중 1개를 바꿨습니다.\n" + dir.Join(u"a.txt") + u"를 " +
                                   dir.Join(u"a2.txt") + u"로 바꾸는데 실패.\n"}));
    EXPECT_EQ(Disk(), "a.txt=A\nb2.txt=B\n");
    EXPECT_EQ(ui.busyDepth, 0);
}

// Rows 0-9 named r0..r9 in one folder; nothing on disk is needed, since the
// check stops before any rename.
struct ValidationCase {
    const char* name;
    std::size_t emptyRow;
    std::u16string message;  // after the folder text where it holds a path
    std::vector<std::size_t> selected;
    std::size_t focused;
    std::size_t shown;
};

TEST_F(CommitTest, ValidationStopsWithMessageAndMarks) {
    const ValidationCase cases[] = {
        {"empty name found before the duplicate",
         5,
         u"이름이 지정되지 않은 경우가 있습니다.",
         {5},
         5,
         5},
        {"duplicate found before the empty name",
         9,
         u"중복되는 이름이 있습니다.\n/t/SAME.txt",
         {3, 7},
         3,
         7},
    };
    for (const ValidationCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto& list = dialog.List();
        list.Clear();
        ui.messages.clear();
        ui.ensuredVisible.clear();
        for (int i = 0; i < 10; ++i) {
            const std::u16string name = u"r" + platform::DecimalText(std::uint64_t(i));
            list.InsertEntryRow({NativePath(u"/t/") + name});
        }
        list.SetNewName(3, u"same.txt");
        list.SetNewName(7, u"SAME.txt");
        list.SetNewName(c.emptyRow, u"");
        list.SetSelected(0, true);
        Commit();
        EXPECT_EQ(ui.messages, std::vector<std::u16string>{NativePath(c.message)});
        EXPECT_EQ(list.SelectedRows(), c.selected);
        EXPECT_EQ(list.FocusedRow(), std::optional<std::size_t>(c.focused));
        EXPECT_EQ(ui.ensuredVisible, std::vector<std::size_t>{c.shown});
        EXPECT_EQ(fs.moves, 0);
    }
    EXPECT_EQ(ui.focusListCount, 2);
}

TEST_F(CommitTest, CancelKeepsTheSelection) {
    dir.WriteFile("a.txt", "A");
    Add(u"a.txt", u"b.txt");
    Add(u"a.txt", u"c.txt");
    dialog.List().SetSelected(1, true);
    dialog.List().SetFocusedRow(1);
    ui.okCancelAnswers.push_back(false);
    dialog.ApplyRenames();
    EXPECT_EQ(ui.okCancelQuestions,
              std::vector<std::u16string>{u"실제 파일 이름을 변경하시겠습니까?"});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(dialog.List().SelectedRows(), std::vector<std::size_t>{1});
    EXPECT_EQ(dialog.List().FocusedRow(), std::optional<std::size_t>(1));
    EXPECT_EQ(Disk(), "a.txt=A\n");
}

TEST_F(CommitTest, RevertAfterCommitAndClear) {
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    Add(u"a.txt", u"a2.txt");
    Add(u"b.txt", u"");
    dialog.List().SetSelected(1, true);
    dialog.List().SetFolderText(1, dir.Join(u"elsewhere"));
    dialog.RevertNewNames();
    EXPECT_EQ(dialog.List().NewName(0), u"a.txt");
    EXPECT_EQ(dialog.List().NewName(1), u"b.txt");
    EXPECT_EQ(dialog.List().SelectedRows(), std::vector<std::size_t>{1});
    EXPECT_EQ(dialog.List().FolderText(1), dir.Join(u"elsewhere"));
    dialog.List().SetNewName(0, u"a2.txt");
    dialog.List().SetFolderText(1, dir.Text());
    Commit();
    dialog.List().SetNewName(0, u"a3.txt");
    dialog.RevertNewNames();
    EXPECT_EQ(dialog.List().NewName(0), u"a2.txt");
    EXPECT_EQ(Disk(), "a2.txt=A\nb.txt=B\n");
    dialog.ClearList();
    EXPECT_TRUE(dialog.List().Empty());
    EXPECT_EQ(ui.status, u"");
}

}  // namespace
}  // namespace morvalent::app::commit_testing
