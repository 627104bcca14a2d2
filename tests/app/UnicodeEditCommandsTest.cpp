#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/DialogChoices.h"
#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "support/DialogFixture.h"
#include "support/ListTexts.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using Names = std::vector<std::u16string>;
using testing::NativePath;

// Rows are added by their paths in the system's form.
class UnicodeEditCommandsTest : public testing::DialogFixture<> {
  protected:
    void AddRow(std::u16string path, bool isFolder = false) {
        DialogFixture::AddRow(NativePath(path), isFolder);
    }
};

TEST_F(UnicodeEditCommandsTest, RewriteEveryRowInOneGo) {
    struct Case {
        const char* name;
        CommandId command;
        std::int32_t choice;  // -1: the command asks nothing
        Names expected;
    };
    const Case cases[] = {
        {"extension upper, folder untouched",
         CommandId::ChangeCase,
         ChoiceOf(CaseChoices(), edits::CaseChange::ExtensionUpper),
         {u"Straße.TXT", u"Vol.two", u"\u1112\u1161\u11AB.DOCX", u"├Ñ╝▒╣░┐δ.TXT"}},
        {"name lower",
         CommandId::ChangeCase,
         ChoiceOf(CaseChoices(), edits::CaseChange::NameLower),
         {u"straße.txt", u"vol.two", u"\u1112\u1161\u11AB.docx", u"├ñ╝▒╣░┐δ.txt"}},
        {"NFC",
         CommandId::NormalizeNames,
         ChoiceOf(NormalFormChoices(), platform::NormalForm::Nfc),
         {u"Straße.txt", u"Vol.two", u"한.docx", u"├Ñ╝▒╣░┐δ.txt"}},
        {"repair",
         CommandId::RepairEncoding,
         -1,
         {u"Straße.txt", u"Vol.two", u"\u1112\u1161\u11AB.docx", u"책선물용.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        AddRow(u"/d/Straße.txt");
        AddRow(u"/d/Vol.two", true);
        AddRow(u"/d/\u1112\u1161\u11AB.docx");
        AddRow(u"/d/├Ñ╝▒╣░┐δ.txt");
        if (c.choice >= 0) ui.inputAnswers.push_back({true, u"", u"", c.choice});
        const auto outcome = dialog.OnCommand(c.command);
        ASSERT_TRUE(outcome.has_value());
        EXPECT_EQ(outcome->kind, Outcome::Kind::Done);
        EXPECT_EQ(NewNames(), c.expected);
        EXPECT_TRUE(ui.inputAnswers.empty());
    }
}

TEST_F(UnicodeEditCommandsTest, CancelChangesNothing) {
    AddRow(u"/d/A.txt");
    for (CommandId command :
         {CommandId::ChangeCase, CommandId::NormalizeNames, CommandId::AddDate}) {
        ui.inputAnswers.push_back({false, u"", u"", 0});
        EXPECT_EQ(dialog.OnCommand(command)->kind, Outcome::Kind::Cancelled);
    }
    EXPECT_EQ(NewNames(), Names{u"A.txt"});
}

TEST_F(UnicodeEditCommandsTest, DateDialogOffersTheFormatToEdit) {
    AddRow(u"/d/A.txt");
    ui.inputAnswers.push_back({false, u"", u"", 0});
    dialog.OnCommand(CommandId::AddDate);
    ASSERT_EQ(ui.shownDialogs.size(), 1u);
    // In front of the name (the first item), with a separator on the name's side.
    EXPECT_EQ(ui.shownDialogs[0].text1, u"YYYY-MM-DD_hhmmss_");
    EXPECT_EQ(ui.shownDialogs[0].choices.size(), DateChoices().size());
}

}  // namespace
}  // namespace morvalent::app
