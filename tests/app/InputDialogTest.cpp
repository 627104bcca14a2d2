#include <gtest/gtest.h>

#include <string>

#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "support/ScriptedUi.h"

namespace morvalent::app {
namespace {

using Answer = testing::ScriptedUi::InputAnswer;

TEST(InputDialog, ReadsBackOnlyAfterOk) {
    struct Case {
        const char* name;
        bool withChoices;
        Answer answer;
        DialogResult result;
        std::u16string text1, text2;
        int choice;
    };
    const Case cases[] = {
        {"OK without choices", false, {true, u"a", u"b", 0}, DialogResult::Ok, u"a", u"b", -1},
        {"OK with choices", true, {true, u"a", u"", 1}, DialogResult::Ok, u"a", u"", 1},
        {"OK, first choice kept", true, {true, u"", u"", 0}, DialogResult::Ok, u"", u"", 0},
        {"Cancel keeps the caller's values",
         true,
         {false, u"x", u"y", 1},
         DialogResult::Cancel,
         u"t1",
         u"t2",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::ScriptedUi ui;
        ui.inputAnswers.push_back(c.answer);
        InputDialog dialog(ui);
        dialog.SetPrompts(u"description", u"label 1", u"label 2");
        dialog.SetTexts(u"t1", u"t2");
        if (c.withChoices) dialog.choices = {u"first", u"second"};
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.text1, c.text1);
        EXPECT_EQ(dialog.text2, c.text2);
        EXPECT_EQ(dialog.choice, c.choice);
        EXPECT_EQ(dialog.description, u"description");
        EXPECT_EQ(dialog.label1, u"label 1");
        EXPECT_EQ(dialog.label2, u"label 2");
    }
}

// A front end that says OK without giving a path.
class SilentOkUi : public testing::ScriptedUi {
  public:
    DialogResult ShowFolderBrowser(FolderBrowser&) override { return DialogResult::Ok; }
};

TEST(FolderBrowser, BrowseNeedsAChosenPath) {
    testing::ScriptedUi ui;
    ui.folderAnswers = {u"/home/me", u""};
    FolderBrowser chosen(ui, u"title");
    EXPECT_EQ(chosen.Browse(), DialogResult::Ok);
    EXPECT_EQ(chosen.GetPath(), u"/home/me");
    FolderBrowser cancelled(ui, u"title");
    EXPECT_EQ(cancelled.Browse(), DialogResult::Cancel);

    SilentOkUi silent;
    FolderBrowser withoutPath(silent, u"title");
    EXPECT_EQ(withoutPath.Browse(), DialogResult::Cancel);
}

TEST(FolderBrowser, ShortenForStatus) {
    const std::u16string path35 = u"/" + std::u16string(34, u'a');
    EXPECT_EQ(FolderBrowser::ShortenForStatus(path35), path35);
    EXPECT_EQ(FolderBrowser::ShortenForStatus(path35 + u"b"), path35 + u"...");
    EXPECT_EQ(FolderBrowser::ShortenForStatus(u""), u"");
}

}  // namespace
}  // namespace morvalent::app
