#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/DialogChoices.h"
#include "app/EditPreview.h"
#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "platform/Regex.h"
#include "support/ListTexts.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using Names = std::vector<std::u16string>;
using testing::NativePath;

// Before answering, asks the dialog's preview about the answer it is to give, as
// a window does while the user types.
class PreviewingUi : public testing::ScriptedUi {
  public:
    DialogResult ShowInputDialog(InputDialog& dialog) override {
        if (dialog.preview != nullptr && !inputAnswers.empty()) {
            const InputAnswer& answer = inputAnswers.front();
            previews.push_back(dialog.preview->Show({answer.text1, answer.text2, answer.choice}));
        }
        return ScriptedUi::ShowInputDialog(dialog);
    }
    std::vector<PreviewState> previews;
};

// Every row gets the typed name.
EditPlan SameNamePlan(const DialogValues& values, const filelist::FileList&) {
    return {std::nullopt, [name = values.text1](std::size_t) { return RowEdit::Name(name); }};
}

class EditPreviewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char16_t* path : {u"/data/IMG_1.jpg", u"/data/IMG_10.jpg", u"/data/사진 (2).png",
                                     u"/other/Vol.2", u"/other/note.txt", u"/other/a.b.c"}) {
            filelist::FileEntry entry;
            entry.path = NativePath(path);
            entry.isFolder = std::u16string_view(path).ends_with(u"Vol.2");
            dialog.List().InsertEntryRow(entry);
        }
    }

    PreviewingUi ui;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    MainDialog dialog{ui, ui, *fs, icons};
};

// Each edit's preview shows the first rows as OK then makes them, or the message
// OK then shows.
TEST_F(EditPreviewTest, PreviewAgreesWithTheCommand) {
    struct Case {
        const char* name;
        CommandId command;
        std::u16string text1, text2;
        int choice;
        Names preview;  // the first five rows' new names; empty when refused
        std::u16string refusal;
    };
    const Case cases[] = {
        {"replace",
         CommandId::ReplaceString,
         u"IMG",
         u"P",
         0,
         {u"P_1.jpg", u"P_10.jpg", u"사진 (2).png", u"Vol.2", u"note.txt"},
         u""},
        {"prefix",
         CommandId::AddPrefix,
         u"x-",
         u"",
         0,
         {u"x-IMG_1.jpg", u"x-IMG_10.jpg", u"x-사진 (2).png", u"x-Vol.2", u"x-note.txt"},
         u""},
        {"suffix keeps the extension, not a folder's",
         CommandId::AddSuffix,
         u"_v2",
         u"",
         0,
         {u"IMG_1_v2.jpg", u"IMG_10_v2.jpg", u"사진 (2)_v2.png", u"Vol.2_v2", u"note_v2.txt"},
         u""},
        {"position",
         CommandId::DeleteByPosition,
         u"1",
         u"4",
         0,
         {u"1.jpg", u"10.jpg", u"2).png", u"2", u".txt"},
         u""},
        {"position refused",
         CommandId::DeleteByPosition,
         u"5",
         u"2",
         0,
         {},
         u"시작점이 끝점보다 뒤에 있습니다."},
        {"empty position range changes nothing",
         CommandId::DeleteByPosition,
         u"",
         u"",
         0,
         {u"IMG_1.jpg", u"IMG_10.jpg", u"사진 (2).png", u"Vol.2", u"note.txt"},
         u""},
        {"enclosed",
         CommandId::DeleteEnclosed,
         u"(",
         u")",
         0,
         {u"IMG_1.jpg", u"IMG_10.jpg", u"사진 .png", u"Vol.2", u"note.txt"},
         u""},
        {"enclosed refused",
         CommandId::DeleteEnclosed,
         u"(",
         u"",
         0,
         {},
         u"시작/끝 문자가 정확하게 지정되지 않았습니다."},
        {"pad",
         CommandId::PadDigits,
         u"3",
         u"",
         0,
         {u"IMG_001.jpg", u"IMG_010.jpg", u"사진 (002).png", u"Vol.002", u"note.txt"},
         u""},
        {"pad refused", CommandId::PadDigits, u"0", u"", 0, {}, u"자리수 입력이 잘못되었습니다."},
        {"number per folder",
         CommandId::NumberRows,
         u"2",
         u"1",
         ChoiceOf(NumberChoices(), NumberPlacement{false, true}),
         {u"IMG_101.jpg", u"IMG_1002.jpg", u"사진 (2)03.png", u"Vol.201", u"note02.txt"},
         u""},
        {"change extension",
         CommandId::ChangeExtension,
         u"bak",
         u"",
         0,
         {u"IMG_1.bak", u"IMG_10.bak", u"사진 (2).bak", u"Vol.2.bak", u"note.bak"},
         u""},
        {"pattern",
         CommandId::ReplacePattern,
         u"(\\d+)",
         u"<$1>",
         0,
         {u"IMG_<1>.jpg", u"IMG_<10>.jpg", u"사진 (<2>).png", u"Vol.<2>", u"note.txt"},
         u""},
        {"date with nothing to put in",
         CommandId::AddDate,
         u"",
         u"",
         0,
         {u"IMG_1.jpg", u"IMG_10.jpg", u"사진 (2).png", u"Vol.2", u"note.txt"},
         u""},
    };
    const Names start = testing::NewNames(dialog.List());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A build without regular expressions refuses the pattern edit before its dialog.
        if (c.command == CommandId::ReplacePattern && !platform::Regex::Supported()) continue;
        ui.previews.clear();
        ui.messages.clear();
        ui.inputAnswers.push_back({true, c.text1, c.text2, c.choice});
        // A refused value brings the dialog back with what was typed; then Cancel.
        if (!c.refusal.empty()) ui.inputAnswers.push_back({false, u"", u"", 0});
        dialog.OnCommand(c.command);
        ASSERT_EQ(ui.previews.size(), c.refusal.empty() ? 1u : 2u);
        const PreviewState& preview = ui.previews[0];
        EXPECT_EQ(preview.refusal, c.refusal);
        Names shown;
        for (const PreviewRow& row : preview.rows) {
            EXPECT_EQ(row.current, start[row.row]);
            shown.push_back(row.next);
        }
        EXPECT_EQ(shown, c.preview);
        // What the command did to those rows, or the message it showed.
        const Names after = testing::NewNames(dialog.List());
        if (c.refusal.empty()) {
            EXPECT_EQ(Names(after.begin(), after.begin() + 5), c.preview);
        } else {
            EXPECT_EQ(ui.messages, Names{c.refusal});
            EXPECT_EQ(after, start);
        }
        dialog.OnCommand(CommandId::RevertNewNames);
    }
}

TEST_F(EditPreviewTest, SelectedRowsAreShownAndConflictsCounted) {
    dialog.List().SetSelected(4, true);
    dialog.List().SetSelected(5, true);
    ui.inputAnswers.push_back({true, u"same", u"", 0});
    dialog.OnCommand(CommandId::DirectRename);
    ASSERT_EQ(ui.previews.size(), 1u);
    ASSERT_EQ(ui.previews[0].rows.size(), 2u);
    EXPECT_EQ(ui.previews[0].rows[0].row, 4u);
    EXPECT_EQ(ui.previews[0].rows[0].next, u"same");
    EXPECT_EQ(ui.previews[0].rows[1].next, u"a.b.c");  // only the first selected row
    // The renamed row's folder is not on disk.
    EXPECT_EQ(ui.previews[0].conflicts, 1u);

    // Every name the same: all six rows collide, in either folder.
    EditPreview preview(dialog.List(), SameNamePlan, *fs);
    EXPECT_EQ(preview.Show({u"x", u"", 0}).conflicts, 6u);
    commit::FolderNames disk(*fs);
    EXPECT_EQ(preview.CountConflicts({u"x", u"", 0}, {}, disk), 6u);
}

TEST(DateFormatForChoice, OfferedFormatFollowsThePlace) {
    const auto choiceOf = [](edits::DatePlace place) {
        return ChoiceOf(DateChoices(), DatePlacement{edits::DateSource::Modified, place});
    };
    using edits::DatePlace;
    EXPECT_EQ(DateFormatForChoice({u"YYYY-MM-DD_hhmmss_", u"", choiceOf(DatePlace::Behind)}),
              u"_YYYY-MM-DD_hhmmss");
    EXPECT_EQ(DateFormatForChoice({u"_YYYY-MM-DD_hhmmss", u"", choiceOf(DatePlace::Replace)}),
              u"YYYY-MM-DD_hhmmss");
    EXPECT_EQ(DateFormatForChoice({u"YYYY-MM-DD_hhmmss", u"", choiceOf(DatePlace::Front)}),
              u"YYYY-MM-DD_hhmmss_");
    // Already right, or typed by the user: kept.
    EXPECT_FALSE(DateFormatForChoice({u"YYYY-MM-DD_hhmmss_", u"", choiceOf(DatePlace::Front)}));
    EXPECT_FALSE(DateFormatForChoice({u"YYMMDD ", u"", choiceOf(DatePlace::Behind)}));
}

}  // namespace
}  // namespace morvalent::app
