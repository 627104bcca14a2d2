// Regular expressions and photo dates exist in the POSIX build only; dates are
// local time, so the tests fix the time zone.
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
#include "support/PosixTimeZone.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/TestJpeg.h"

namespace morvalent::app {
namespace {

using Names = std::vector<std::u16string>;
using edits::DatePlace;
using edits::DateSource;

class PatternAndDateCommandsTest : public testing::DialogFixture<> {
  protected:
    void AddRow(std::u16string path, platform::FileTime modified = 0,
                platform::FileTime created = platform::kUnknownTime) {
        filelist::FileEntry entry;
        entry.path = std::move(path);
        entry.lastWriteTime = modified;
        entry.creationTime = created;
        dialog.List().InsertEntryRow(entry);
    }
};

TEST_F(PatternAndDateCommandsTest, PatternReplacement) {
    struct Case {
        const char* name;
        std::u16string pattern, replacement;
        Outcome::Kind kind;
        std::u16string message;  // empty: none shown
        Names expected;
    };
    const Names before = {u"IMG_0001.jpg", u"notes.txt"};
    const Case cases[] = {
        {"groups",
         u"IMG_(\\d+)",
         u"사진$1",
         Outcome::Kind::Done,
         u"",
         {u"사진0001.jpg", u"notes.txt"}},
        {"invalid pattern says where", u"IMG_(\\d+", u"x", Outcome::Kind::Cancelled,
         u"정규식이 올바르지 않습니다: 9번째 글자에서 괄호가 닫히지 않았습니다", before},
        {"missing group changes no row", u"t", u"$1", Outcome::Kind::Cancelled,
         u"바꿀 문자열이 정규식에 없는 묶음을 가리킵니다.\nU_INDEX_OUTOFBOUNDS_ERROR", before},
        {"empty pattern changes nothing", u"", u"x", Outcome::Kind::Done, u"", before},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        ui.messages.clear();
        AddRow(u"/d/IMG_0001.jpg");
        AddRow(u"/d/notes.txt");
        ui.inputAnswers.push_back({true, c.pattern, c.replacement, 0});
        // A refused value returns to the dialog, which is then cancelled.
        if (!c.message.empty()) ui.inputAnswers.push_back({false, {}, {}, 0});
        const auto outcome = dialog.OnCommand(CommandId::ReplacePattern);
        ASSERT_TRUE(outcome.has_value());
        EXPECT_EQ(outcome->kind, c.kind);
        EXPECT_EQ(ui.messages, c.message.empty() ? Names{} : Names{c.message});
        EXPECT_EQ(NewNames(), c.expected);
    }
}

// Nested repeats try every way to split thirty letters: matching stops at the
// matcher's limit, counted in its own steps, and the names stay as they were.
TEST_F(PatternAndDateCommandsTest, PatternPastTheLimitIsRefused) {
    const std::u16string name = std::u16string(30, u'a') + u".txt";
    AddRow(u"/d/" + name);
    ui.inputAnswers.push_back({true, u"(a+)+b", u"x", 0});
    ui.inputAnswers.push_back({false, {}, {}, 0});
    const auto outcome = dialog.OnCommand(CommandId::ReplacePattern);
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->kind, Outcome::Kind::Cancelled);
    EXPECT_EQ(ui.messages, Names{u"정규식이 너무 복잡하여 이름 하나를 찾는 데 한도를 넘었습니다. "
                                 u"표현을 단순하게 바꿔 주십시오."});
    EXPECT_EQ(NewNames(), Names{name});
}

TEST_F(PatternAndDateCommandsTest, Dates) {
    testing::TimeZone zone("KST-9");
    testing::TempDir dir;
    dir.WriteFile("taken.jpg", testing::JpegWithDateTaken("2024:05:17 14:03:09"));
    dir.WriteFile("plain.jpg", testing::JpegWithoutExif());
    // 2023-12-31 15:30:00 UTC is 2024-01-01 00:30:00 in Seoul.
    const platform::FileTime modified = platform::FileTimeFromUnix(1704036600, 0);
    const platform::FileTime created = platform::FileTimeFromUnix(1000000000, 0);
    struct Case {
        const char* name;
        std::u16string format;
        DatePlacement placement;
        Names expected;
    };
    const Case cases[] = {
        {"taken, else modified",
         u"YYYY-MM-DD_",
         {DateSource::Taken, DatePlace::Front},
         {u"2024-05-17_taken.jpg", u"2024-01-01_plain.jpg", u"2024-01-01_no created.txt"}},
        {"modified behind",
         u"_YYMMDD-hhmmss",
         {DateSource::Modified, DatePlace::Behind},
         {u"taken_240101-003000.jpg", u"plain_240101-003000.jpg", u"no created_240101-003000.txt"}},
        {"created replaces the name; unknown keeps it",
         u"YYYY년 MM월 DD일",
         {DateSource::Created, DatePlace::Replace},
         {u"2001년 09월 09일.jpg", u"2001년 09월 09일.jpg", u"no created.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        AddRow(dir.Join(u"taken.jpg"), modified, created);
        AddRow(dir.Join(u"plain.jpg"), modified, created);
        AddRow(dir.Join(u"no created.txt"), modified);
        ui.inputAnswers.push_back({true, c.format, u"", ChoiceOf(DateChoices(), c.placement)});
        EXPECT_EQ(dialog.OnCommand(CommandId::AddDate)->kind, Outcome::Kind::Done);
        EXPECT_EQ(NewNames(), c.expected);
    }
    EXPECT_EQ(ui.busyDepth, 0);
}

}  // namespace
}  // namespace morvalent::app
