#include "cli/CliUserInterface.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/FolderBrowser.h"
#include "app/InputDialog.h"

namespace morvalent::cli {
namespace {

Step MakeStep(std::vector<std::u16string> texts, int choice = 0) {
    Step step;
    step.texts = std::move(texts);
    step.choice = choice;
    return step;
}

struct DialogCase {
    const char* name;
    std::vector<std::u16string> texts;
    std::u16string text1;
    std::u16string text2;
};

class CliDialogAnswers : public ::testing::TestWithParam<DialogCase> {};

// Fields the step does not give keep what the program put in them.
TEST_P(CliDialogAnswers, FillTheFieldsInOrder) {
    std::ostringstream err;
    CliUserInterface ui(err, false);
    const Step step = MakeStep(GetParam().texts, 2);
    ui.BeginStep(step);
    app::InputDialog dialog(ui);
    dialog.SetTexts(u"program 1", u"program 2");
    dialog.choices = {u"a", u"b", u"c"};
    EXPECT_EQ(dialog.DoModal(), app::DialogResult::Ok);
    EXPECT_EQ(dialog.text1, GetParam().text1);
    EXPECT_EQ(dialog.text2, GetParam().text2);
    EXPECT_EQ(dialog.choice, 2);
}

INSTANTIATE_TEST_SUITE_P(All, CliDialogAnswers,
                         ::testing::Values(DialogCase{"none", {}, u"program 1", u"program 2"},
                                           DialogCase{"one", {u"typed"}, u"typed", u"program 2"},
                                           DialogCase{"two", {u"first", u""}, u"first", u""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliUserInterface, FileAndFolderComeFromTheStep) {
    std::ostringstream err;
    CliUserInterface ui(err, false);
    const Step step = MakeStep({u"/tmp/x"});
    ui.BeginStep(step);
    EXPECT_EQ(ui.ChooseFiles({}), std::vector<std::u16string>{u"/tmp/x"});
    app::FolderBrowser browser(ui, u"title");
    EXPECT_EQ(browser.Browse(), app::DialogResult::Ok);
    EXPECT_EQ(browser.GetPath(), u"/tmp/x");

    const Step empty = MakeStep({});
    ui.BeginStep(empty);
    EXPECT_TRUE(ui.ChooseFiles({}).empty());
    app::FolderBrowser cancelled(ui, u"title");
    EXPECT_EQ(cancelled.Browse(), app::DialogResult::Cancel);
}

TEST(CliUserInterface, QuestionsGetTheFolderAnswerAndOk) {
    std::ostringstream err;
    CliUserInterface ui(err, false);
    EXPECT_TRUE(ui.AskYesNo(u"q", u"c"));
    ui.SetFolderItself(false);
    EXPECT_FALSE(ui.AskYesNo(u"q", u"c"));
    EXPECT_TRUE(ui.AskOkCancel(u"q"));
    EXPECT_EQ(err.str(), "");
}

TEST(CliUserInterface, MessagesGoToTheErrorStreamExactly) {
    std::ostringstream err;
    CliUserInterface ui(err, false);
    const Step step = MakeStep({});
    ui.BeginStep(step);
    ui.ShowMessage(u"첫째\n둘째");
    ui.ShowMessage(u"raw \xDCFF", u"caption");
    EXPECT_EQ(err.str(), "첫째\n둘째\nraw \xFF\n");
}

TEST(CliUserInterface, ProgressLineOnlyOnATerminal) {
    std::size_t handled = 10;
    std::ostringstream quiet;
    CliUserInterface plain(quiet, false, [&] { return handled; });
    plain.SetBusy(true);
    handled = 5000;
    plain.KeepResponsive();
    plain.SetBusy(false);
    EXPECT_EQ(quiet.str(), "");

    handled = 10;
    std::ostringstream shown;
    CliUserInterface terminal(shown, true, [&] { return handled; });
    terminal.SetBusy(true);
    handled = 4106;
    terminal.KeepResponsive();
    terminal.ShowMessage(u"메시지");
    terminal.SetBusy(false);
    EXPECT_EQ(shown.str(), "\r\x1b[K처리중... 4096\r\x1b[K메시지\n");
}

TEST(CliUserInterface, ProgressLineIsClearedWhenWorkEnds) {
    std::size_t handled = 0;
    std::ostringstream shown;
    CliUserInterface terminal(shown, true, [&] { return handled; });
    terminal.KeepResponsive();  // not busy: nothing
    terminal.SetBusy(true);
    terminal.SetBusy(true);
    handled = 7;
    terminal.KeepResponsive();
    terminal.SetBusy(false);
    EXPECT_EQ(shown.str(), "\r\x1b[K처리중... 7");
    terminal.SetBusy(false);
    EXPECT_EQ(shown.str(), "\r\x1b[K처리중... 7\r\x1b[K");
}

}  // namespace
}  // namespace morvalent::cli
