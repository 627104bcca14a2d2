#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "support/DialogFixture.h"
#include "support/ListRecorder.h"
#include "support/ListTexts.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using Operation = Outcome (MainDialog::*)();
using Answer = testing::ScriptedUi::InputAnswer;
using Names = std::vector<std::u16string>;
using testing::NativePath;

Names NativePaths(const Names& paths) {
    Names native;
    for (const auto& path : paths) native.push_back(NativePath(path));
    return native;
}

// Also records what the folder browser was opened with.
class RecordingUi : public testing::ScriptedUi {
  public:
    DialogResult ShowFolderBrowser(FolderBrowser& browser) override {
        browserTitles.push_back(browser.title);
        browserInitialFolders.push_back(browser.initialFolder);
        browserOpenAt.push_back(browser.openAt);
        return ScriptedUi::ShowFolderBrowser(browser);
    }
    std::vector<std::u16string> browserTitles;
    std::vector<std::u16string> browserInitialFolders;
    std::vector<std::u16string> browserOpenAt;
};

struct Row {
    std::u16string path;
    bool isFolder = false;
};

class EditCommandsTest : public testing::DialogFixture<RecordingUi> {
  protected:
    void AddRows(const std::vector<Row>& rows) {
        for (const Row& row : rows) AddRow(NativePath(row.path), row.isFolder);
    }
    void Run(Operation operation) { (dialog.*operation)(); }
};

// Rows most cases start from: a file, a file with two dots, a folder with a dot.
const std::vector<Row> kRows = {
    {u"/data/Banana.txt"}, {u"/data/archive.tar.gz"}, {u"/data/Vol.2", true}};
const Names kNames = {u"Banana.txt", u"archive.tar.gz", u"Vol.2"};

Answer Ok(std::u16string text1, std::u16string text2 = {}, int choice = 0) {
    return Answer{true, std::move(text1), std::move(text2), choice};
}
Answer Cancel() { return Answer{false, u"ignored", u"ignored", 1}; }

TEST_F(EditCommandsTest, DialogSetUpAndCancel) {
    struct Case {
        const char* name;
        Operation operation;
        std::u16string description, label1, label2;
        Names choices;
    };
    const Case cases[] = {
        {"replace",
         &MainDialog::ReplaceString,
         u"이름에 들어있는 문자열을 바꿉니다.",
         u"를",
         u"으로",
         {}},
        {"prefix",
         &MainDialog::AddPrefix,
         u"이름의 앞에 지정한 문자열을 붙여줍니다.",
         u"붙일 문자열",
         u"",
         {}},
        {"suffix",
         &MainDialog::AddSuffix,
         u"이름의 뒤에 지정한 문자열을 붙여줍니다.",
         u"붙일 문자열",
         u"",
         {}},
        {"position",
         &MainDialog::DeleteByPosition,
         u"지정위치를 삭제합니다.(첫글자는 1번째)",
         u"번째부터",
         u"번째까지",
         {u"앞에서부터 삭제", u"제일 뒤부터 삭제"}},
        {"enclosed",
         &MainDialog::DeleteEnclosed,
         u"지정된 문자로 묶인 부분을 삭제합니다.",
         u":시작문자",
         u":끝문자",
         {}},
        {"pad",
         &MainDialog::PadDigits,
         u"숫자부분의 자리수를 맞춰 0을 붙입니다.",
         u"자리수",
         u"",
         {u"제일 뒷번호 맞춤", u"제일 앞번호 맞춤"}},
        {"number",
         &MainDialog::NumberRows,
         u"붙일 숫자의 자리수와 시작값을 지정합니다.",
         u"자리수",
         u"시작값",
         {u"이름뒤에 번호붙임", u"이름앞에 번호붙임", u"폴더별로 뒤 번호붙임",
          u"폴더별로 앞 번호붙임"}},
        {"add extension",
         &MainDialog::AddExtension,
         u"확장자를 뒤에 붙입니다.",
         u"붙일 확장자",
         u"",
         {}},
        {"change extension",
         &MainDialog::ChangeExtension,
         u"확장자를 바꿔 줍니다.",
         u"바꿀 확장자",
         u"",
         {}},
    };
    AddRows(kRows);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.shownDialogs.clear();
        ui.inputAnswers.push_back(Cancel());
        Run(c.operation);
        ASSERT_EQ(ui.shownDialogs.size(), 1u);
        const InputDialog& shown = ui.shownDialogs[0];
        EXPECT_EQ(shown.description, c.description);
        EXPECT_EQ(shown.label1, c.label1);
        EXPECT_EQ(shown.label2, c.label2);
        EXPECT_EQ(shown.text1, u"");
        EXPECT_EQ(shown.text2, u"");
        EXPECT_EQ(shown.choices, c.choices);
        EXPECT_EQ(shown.choice, 0);
        EXPECT_EQ(NewNames(), kNames);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(EditCommandsTest, EditsEveryRow) {
    struct Case {
        const char* name;
        Operation operation;
        std::optional<Answer> answer;  // none: the edit asks nothing
        Names expected;
    };
    const Case cases[] = {
        {"replace",
         &MainDialog::ReplaceString,
         Ok(u"a", u"b"),
         {u"Bbnbnb.txt", u"brchive.tbr.gz", u"Vol.2"}},
        {"replace, case differs", &MainDialog::ReplaceString, Ok(u"A", u"b"), kNames},
        {"replace, empty find", &MainDialog::ReplaceString, Ok(u"", u"b"), kNames},
        {"prefix",
         &MainDialog::AddPrefix,
         Ok(u"x"),
         {u"xBanana.txt", u"xarchive.tar.gz", u"xVol.2"}},
        {"prefix, empty", &MainDialog::AddPrefix, Ok(u""), kNames},
        {"suffix",
         &MainDialog::AddSuffix,
         Ok(u"_1"),
         {u"Banana_1.txt", u"archive.tar_1.gz", u"Vol.2_1"}},
        {"suffix, empty", &MainDialog::AddSuffix, Ok(u""), kNames},
        {"erase name", &MainDialog::EraseName, std::nullopt, {u".txt", u".gz", u""}},
        {"position from front",
         &MainDialog::DeleteByPosition,
         Ok(u"2", u"3", 0),
         {u"Bana.txt", u"ahive.tar.gz", u"V.2"}},
        {"position from end",
         &MainDialog::DeleteByPosition,
         Ok(u"", u"2", 1),
         {u"Bana.txt", u"archive.t.gz", u"Vol"}},
        {"position, both empty", &MainDialog::DeleteByPosition, Ok(u"", u"", 0), kNames},
        {"position, both zero", &MainDialog::DeleteByPosition, Ok(u"0", u"0", 1), kNames},
        {"position, not numbers", &MainDialog::DeleteByPosition, Ok(u"x", u"y", 0), kNames},
        {"position, leading blanks",
         &MainDialog::DeleteByPosition,
         Ok(u" 1", u" 1x", 0),
         {u"anana.txt", u"rchive.tar.gz", u"ol.2"}},
        {"enclosed, first characters",
         &MainDialog::DeleteEnclosed,
         Ok(u"aa", u"nn"),
         {u"Bana.txt", u"archive.tar.gz", u"Vol.2"}},
        {"keep digits", &MainDialog::KeepDigitsOnly, std::nullopt, {u".txt", u".gz", u"2"}},
        {"pad last run",
         &MainDialog::PadDigits,
         Ok(u"3", u"", 0),
         {u"Banana.txt", u"archive.tar.gz", u"Vol.002"}},
        {"number behind",
         &MainDialog::NumberRows,
         Ok(u"2", u"9", 0),
         {u"Banana09.txt", u"archive.tar10.gz", u"Vol.211"}},
        {"number in front from 0",
         &MainDialog::NumberRows,
         Ok(u"1", u"", 1),
         {u"0Banana.txt", u"1archive.tar.gz", u"2Vol.2"}},
        {"number, negative start",
         &MainDialog::NumberRows,
         Ok(u"1", u"-5", 0),
         {u"Banana0.txt", u"archive.tar1.gz", u"Vol.22"}},
        {"number, width 255",
         &MainDialog::NumberRows,
         Ok(u"255", u"1", 0),
         {u"Banana" + std::u16string(254, u'0') + u"1.txt",
          u"archive.tar" + std::u16string(254, u'0') + u"2.gz",
          u"Vol.2" + std::u16string(254, u'0') + u"3"}},
        {"delete extension",
         &MainDialog::DeleteExtension,
         std::nullopt,
         {u"Banana", u"archive.tar", u"Vol.2"}},
        {"add extension",
         &MainDialog::AddExtension,
         Ok(u"bak"),
         {u"Banana.txt.bak", u"archive.tar.gz.bak", u"Vol.2.bak"}},
        {"add extension, empty", &MainDialog::AddExtension, Ok(u""), kNames},
        {"change extension",
         &MainDialog::ChangeExtension,
         Ok(u".jpg"),
         {u"Banana.jpg", u"archive.tar.jpg", u"Vol.2.jpg"}},
        {"change extension, empty", &MainDialog::ChangeExtension, Ok(u""), kNames},
        {"folder name in front",
         &MainDialog::PrefixFolderName,
         std::nullopt,
         {u"data_Banana.txt", u"data_archive.tar.gz", u"data_Vol.2"}},
        {"folder name behind",
         &MainDialog::SuffixFolderName,
         std::nullopt,
         {u"Banana_data.txt", u"archive.tar_data.gz", u"Vol.2_data"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        AddRows(kRows);
        if (c.answer) ui.inputAnswers.push_back(*c.answer);
        Run(c.operation);
        EXPECT_TRUE(ui.inputAnswers.empty());
        EXPECT_EQ(NewNames(), c.expected);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(EditCommandsTest, RejectedValuesChangeNothing) {
    struct Case {
        const char* name;
        Operation operation;
        Answer answer;
        std::u16string message;
    };
    const std::u16string negative = u"음수값이나 잘못된 값이 입력되었습니다.";
    const std::u16string badWidth = u"자리수 입력이 잘못되었습니다.";
    const Case cases[] = {
        {"start behind end", &MainDialog::DeleteByPosition, Ok(u"5", u"3", 0),
         u"시작점이 끝점보다 뒤에 있습니다."},
        {"from end with from", &MainDialog::DeleteByPosition, Ok(u"1", u"3", 1),
         u"맨 뒤에서부터 삭제할때는 '~까지'만 필요합니다."},
        {"negative from", &MainDialog::DeleteByPosition, Ok(u"-1", u"3", 0), negative},
        {"negative to", &MainDialog::DeleteByPosition, Ok(u"", u"-3", 1), negative},
        {"huge negative saturates", &MainDialog::DeleteByPosition, Ok(u"-99999999999", u"", 0),
         negative},
        {"huge negative to", &MainDialog::DeleteByPosition, Ok(u"", u"-4294967297", 0), negative},
        {"no start character", &MainDialog::DeleteEnclosed, Ok(u"", u")"),
         u"시작/끝 문자가 정확하게 지정되지 않았습니다."},
        {"no end character", &MainDialog::DeleteEnclosed, Ok(u"(", u""),
         u"시작/끝 문자가 정확하게 지정되지 않았습니다."},
        {"pad, empty width", &MainDialog::PadDigits, Ok(u"", u"", 0), badWidth},
        {"pad, zero width", &MainDialog::PadDigits, Ok(u"0", u"", 1), badWidth},
        {"pad, negative width", &MainDialog::PadDigits, Ok(u"-2", u"", 0), badWidth},
        {"pad, width above 255", &MainDialog::PadDigits, Ok(u"256", u"", 0), badWidth},
        {"number, no width", &MainDialog::NumberRows, Ok(u"abc", u"1", 0), badWidth},
        {"number, width two billion", &MainDialog::NumberRows, Ok(u"2000000000", u"1", 0),
         badWidth},
        {"number, huge width saturates", &MainDialog::NumberRows, Ok(u"99999999999", u"1", 2),
         badWidth},
    };
    AddRows(kRows);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        ui.shownDialogs.clear();
        // The refusal brings the dialog back with what was typed; then Cancel.
        ui.inputAnswers.push_back(c.answer);
        ui.inputAnswers.push_back({false, {}, {}, 0});
        Run(c.operation);
        EXPECT_EQ(ui.messages, Names{c.message});
        ASSERT_EQ(ui.shownDialogs.size(), 2u);
        EXPECT_EQ(ui.shownDialogs[1].text1, c.answer.text1);
        EXPECT_EQ(ui.shownDialogs[1].text2, c.answer.text2);
        EXPECT_EQ(NewNames(), kNames);
    }
}

TEST_F(EditCommandsTest, EditsRunInOneBatch) {
    AddRows(kRows);
    testing::ListRecorder counter;
    dialog.List().SetObserver(&counter);
    ui.inputAnswers.push_back(Ok(u"x"));
    dialog.AddPrefix();
    ui.folderAnswers.push_back(NativePath(u"/tmp"));
    dialog.UnifyFolder();
    dialog.SuffixFolderName();
    dialog.List().SetObserver(nullptr);
    EXPECT_EQ(counter.Count("begin"), 3);
    EXPECT_EQ(counter.Count("change"), 3);
}

TEST_F(EditCommandsTest, EmptyListStillAsksAndValidates) {
    ui.inputAnswers.push_back(Ok(u"a", u"b"));
    dialog.ReplaceString();
    ui.inputAnswers.push_back(Ok(u"0", u"", 0));
    ui.inputAnswers.push_back({false, {}, {}, 0});
    dialog.PadDigits();
    dialog.EraseName();
    EXPECT_EQ(ui.shownDialogs.size(), 3u);
    EXPECT_EQ(ui.messages, Names{u"자리수 입력이 잘못되었습니다."});
    EXPECT_EQ(dialog.List().Count(), 0u);
}

TEST_F(EditCommandsTest, DirectRenameEditsTheFirstSelectedRow) {
    AddRows({{u"/d/r0.txt"},
             {u"/d/r1.txt"},
             {u"/d/r2.txt"},
             {u"/d/r3.txt"},
             {u"/d/r4.txt"},
             {u"/d/r5.txt"}});
    dialog.List().SetSelected(5, true);
    dialog.List().SetSelected(2, true);
    ui.inputAnswers.push_back(Ok(u"new name.md"));
    dialog.DirectRename();
    ASSERT_EQ(ui.shownDialogs.size(), 1u);
    const InputDialog& shown = ui.shownDialogs[0];
    EXPECT_EQ(shown.description, u"r2.txt 를");
    EXPECT_EQ(shown.label1, u"으로");
    EXPECT_EQ(shown.label2, u"");
    EXPECT_EQ(shown.text1, u"r2.txt");
    EXPECT_EQ(shown.text2, u"");
    EXPECT_TRUE(shown.choices.empty());
    EXPECT_EQ(NewNames(),
              (Names{u"r0.txt", u"r1.txt", u"new name.md", u"r3.txt", u"r4.txt", u"r5.txt"}));
}

TEST_F(EditCommandsTest, DirectRenameCases) {
    struct Case {
        const char* name;
        bool select;
        std::optional<Answer> answer;
        std::u16string expected;
    };
    const Case cases[] = {
        {"no selection asks nothing", false, std::nullopt, u"a.txt"},
        {"cancel", true, Cancel(), u"a.txt"},
        {"emptied field writes empty", true, Ok(u""), u""},
        {"written as typed", true, Ok(u"  b .txt "), u"  b .txt "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        AddRows({{u"/d/a.txt"}});
        if (c.select) dialog.List().SetSelected(0, true);
        if (c.answer) ui.inputAnswers.push_back(*c.answer);
        dialog.DirectRename();
        EXPECT_TRUE(ui.inputAnswers.empty());
        EXPECT_EQ(dialog.List().NewName(0), c.expected);
    }
}

TEST_F(EditCommandsTest, DoubleClickAndCommandOpenDirectRename) {
    AddRows({{u"/d/a.txt"}, {u"/d/b.txt"}});
    dialog.List().SetSelected(1, true);
    ui.inputAnswers.push_back(Ok(u"clicked"));
    dialog.OnRowDoubleClicked();
    ui.inputAnswers.push_back(Ok(u"commanded"));
    dialog.OnCommand(CommandId::DirectRename);
    EXPECT_EQ(NewNames(), (Names{u"a.txt", u"commanded"}));
    EXPECT_EQ(ui.shownDialogs.at(1).description, u"clicked 를");
}

TEST_F(EditCommandsTest, NumberingPerFolder) {
    struct Case {
        const char* name;
        int choice;
        Names expected;
    };
    // Rows of one folder written twice with different case, then another folder,
    // then the first folder again.
    const std::vector<Row> rows = {{u"/Photos/a.jpg"},
                                   {u"/photos/b.jpg"},
                                   {u"/other/c.jpg"},
                                   {u"/PHOTOS/d.jpg"},
                                   {u"/other/Sub", true}};
    const Case cases[] = {
        {"behind across", 0, {u"a001.jpg", u"b002.jpg", u"c003.jpg", u"d004.jpg", u"Sub005"}},
        {"in front across", 1, {u"001a.jpg", u"002b.jpg", u"003c.jpg", u"004d.jpg", u"005Sub"}},
        {"behind per folder", 2, {u"a001.jpg", u"b002.jpg", u"c001.jpg", u"d001.jpg", u"Sub001"}},
        {"in front per folder", 3, {u"001a.jpg", u"002b.jpg", u"001c.jpg", u"001d.jpg", u"001Sub"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        AddRows(rows);
        ui.inputAnswers.push_back(Ok(u"3", u"1", c.choice));
        dialog.NumberRows();
        EXPECT_EQ(NewNames(), c.expected);
    }
}

TEST_F(EditCommandsTest, NumberingCountsPast32Bits) {
    AddRows({{u"/d/a"}, {u"/d/b"}, {u"/d/c"}});
    ui.inputAnswers.push_back(Ok(u"1", u"2147483646"));
    dialog.NumberRows();
    EXPECT_EQ(NewNames(), (Names{u"a2147483646", u"b2147483647", u"c2147483648"}));
}

TEST_F(EditCommandsTest, FolderNameEditsSkipRowsInTheRoot) {
    AddRows({{u"/a.txt"}, {u"/Photos/2020/b.jpg"}, {u"/Work/src", true}});
    dialog.PrefixFolderName();
    EXPECT_EQ(NewNames(), (Names{u"a.txt", u"2020_b.jpg", u"Work_src"}));
    dialog.PrefixFolderName();
    EXPECT_EQ(NewNames(), (Names{u"a.txt", u"2020_2020_b.jpg", u"Work_Work_src"}));
    dialog.List().Clear();
    AddRows({{u"/a.txt"}, {u"/Photos/2020/b.jpg"}, {u"/Work/release1.0", true}});
    dialog.SuffixFolderName();
    EXPECT_EQ(NewNames(), (Names{u"a.txt", u"b_2020.jpg", u"release1.0_Work"}));
}

TEST_F(EditCommandsTest, UnifyFolder) {
    struct Case {
        const char* name;
        std::u16string chosen;  // empty: cancelled
        Names folders;
    };
    const Case cases[] = {
        {"cancel", u"", {u"/x", u"/y/z", u""}},
        {"plain folder", u"/tmp/out", {u"/tmp/out", u"/tmp/out", u"/tmp/out"}},
        {"one trailing separator removed", u"/tmp/out/", {u"/tmp/out", u"/tmp/out", u"/tmp/out"}},
        {"root", u"/", {u"", u"", u""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        AddRows({{u"/x/a.txt"}, {u"/y/z/B.txt", true}, {u"/c.txt"}});
        ui.browserTitles.clear();
        ui.folderAnswers.push_back(NativePath(c.chosen));
        dialog.UnifyFolder();
        EXPECT_EQ(ui.browserTitles, Names{u"경로 선택"});
        EXPECT_EQ(ui.browserInitialFolders.back(), u"");
        EXPECT_EQ(FolderTexts(), NativePaths(c.folders));
        EXPECT_EQ(NewNames(), (Names{u"a.txt", u"B.txt", u"c.txt"}));
    }
}

TEST_F(EditCommandsTest, FolderBrowserOpensAtTheUsersRow) {
    struct Case {
        const char* name;
        std::optional<std::size_t> selected;
        std::u16string openAt;
    };
    const Case cases[] = {
        {"first selected row", 1, u"/y/z"},
        {"first row without a selection", std::nullopt, u"/x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        AddRows({{u"/x/a.txt"}, {u"/y/z/b.txt"}, {u"/c.txt"}});
        if (c.selected) dialog.List().SetSelected(*c.selected, true);
        ui.folderAnswers.push_back(u"");
        dialog.UnifyFolder();
        EXPECT_EQ(ui.browserOpenAt.back(), NativePath(c.openAt));
    }
}

TEST_F(EditCommandsTest, EditsAfterUnifyUseTheChosenFolder) {
    AddRows({{u"/x/a.txt"}, {u"/y/b.txt"}, {u"/x/c.txt"}});
    ui.folderAnswers.push_back(NativePath(u"/home/Album/"));
    dialog.UnifyFolder();
    ui.inputAnswers.push_back(Ok(u"1", u"1", 2));
    dialog.NumberRows();
    EXPECT_EQ(NewNames(), (Names{u"a1.txt", u"b2.txt", u"c3.txt"}));
    dialog.PrefixFolderName();
    dialog.SuffixFolderName();
    EXPECT_EQ(NewNames(),
              (Names{u"Album_a1_Album.txt", u"Album_b2_Album.txt", u"Album_c3_Album.txt"}));

    // Unified onto the root, no row has a folder name any more.
    ui.folderAnswers.push_back(NativePath(u"/"));
    dialog.UnifyFolder();
    dialog.PrefixFolderName();
    EXPECT_EQ(NewNames(),
              (Names{u"Album_a1_Album.txt", u"Album_b2_Album.txt", u"Album_c3_Album.txt"}));
}

}  // namespace
}  // namespace morvalent::app
