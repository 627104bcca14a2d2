#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "JournalFixture.h"
#include "commit/JournalWriter.h"

namespace morvalent::commit::journal_testing {
namespace {

using testing::U16;

// Names on Linux are bytes: the journal keeps them exactly, and readable where
// they are UTF-8.
TEST_F(JournalTest, NamesThatAreNotUtf8ComeBackExactly) {
    // CP949 bytes, of which the middle two happen to be UTF-8 (U+0471).
    const std::string raw = "\xC7\xD1\xB1\xDB.txt";
    tree.WriteFile(raw, "K");
    tree.WriteFile("\xB0\xA1.txt", "H");
    tree.WriteFile("\xFF/100%.txt", "P");
    const std::string before = Disk();
    Add(U16(raw), u"ok.txt");
    // A name keeps the raw bytes it has.
    Add(U16("\xB0\xA1.txt"), U16("\xB0\xA1-2.txt"));
    Add(U16("\xFF/100%.txt"), u"p.txt");
    Add(U16("\xFF"), U16("\xFF-2"), true);
    const std::uint64_t id = Commit();
    EXPECT_EQ(Disk(), "ok.txt=K\n\xB0\xA1-2.txt=H\n\xFF-2/\n\xFF-2/p.txt=P\n");

    const std::string journal = JournalBytes(id);
    const std::string folder = testing::U8(tree.Text());
    EXPECT_NE(journal.find("\t" + folder + "/%C7\xD1\xB1%DB.txt\t" + folder + "/ok.txt\t"),
              std::string::npos);
    EXPECT_NE(journal.find("\t" + folder + "/%B0%A1.txt\t" + folder + "/%B0%A1-2.txt\t"),
              std::string::npos);
    EXPECT_NE(journal.find("\t" + folder + "/%FF/100%25.txt\t" + folder + "/%FF/p.txt\t"),
              std::string::npos);

    EXPECT_EQ(UndoCommit(history, id).undone, 4u);
    EXPECT_EQ(Disk(), before);
}

// A move on a fallback way (no RENAME_NOREPLACE) stopped between its steps, as
// its journal tells it: the undo removes what it can tell is the step's own and
// reports, leaving it, what it cannot. The item a.txt was never renamed.
TEST_F(JournalTest, LeftoversOfStoppedFallbackMovesAreRemovedOrReported) {
    using Kind = platform::MoveStep::Kind;
    struct Case {
        const char* name;
        Kind kind;
        const char* make;       // what lies at b.txt
        bool identityOnRecord;  // the step's second record reached the journal
        bool replaced;          // b.txt was made anew after the stop
        const char* disk;
        bool reported;
    };
    const Case cases[] = {
        {"placeholder on record", Kind::Placeholder, "empty", true, false, "a.txt=A\n", false},
        {"placeholder told only before it was made", Kind::Placeholder, "empty", false, false,
         "a.txt=A\nb.txt=\n", true},
        {"an empty file made after the stop", Kind::Placeholder, "empty", true, true,
         "a.txt=A\nb.txt=\n", false},
        {"second name told only before", Kind::Link, "link", false, false, "a.txt=A\n", false},
        {"another item with two names", Kind::Link, "other link", false, false,
         "a.txt=A\nb.txt=C\nc.txt=C\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = std::to_string(&c - cases);
        tree.WriteFile(folder + "/a.txt", "A");
        const std::u16string a = tree.Join(testing::U16(folder + "/a.txt"));
        const std::u16string b = tree.Join(testing::U16(folder + "/b.txt"));
        const std::string bPath = testing::U8(b);
        if (std::string_view(c.make) == "empty") tree.WriteFile(folder + "/b.txt");
        if (std::string_view(c.make) == "link") {
            ASSERT_EQ(link(testing::U8(a).c_str(), bPath.c_str()), 0);
        }
        if (std::string_view(c.make) == "other link") {
            tree.WriteFile(folder + "/c.txt", "C");
            ASSERT_EQ(link(testing::U8(tree.Join(testing::U16(folder + "/c.txt"))).c_str(),
                           bPath.c_str()),
                      0);
        }
        const auto made = c.identityOnRecord ? fs->ReadIdentity(b) : std::nullopt;
        if (c.replaced) {
            ASSERT_EQ(unlink(bPath.c_str()), 0);
            tree.WriteFile(folder + "/b.txt");
        }
        platform::AppendFile file;
        const auto id = history.Create(file);
        ASSERT_TRUE(id);
        {
            JournalWriter writer(file);
            writer.Header(1);
            writer.Row(0, fs->ReadIdentity(a), a, b);
            writer.PlanEnd(1);
            writer.Spare(0, {c.kind, b, std::nullopt});
            if (made) writer.Spare(0, {c.kind, b, made});
            ASSERT_TRUE(writer.Sync());
        }
        file.Close();

        const UndoOutcome undo = UndoCommit(history, *id);
        EXPECT_EQ(undo.failureReport,
                  c.reported
                      ? Fail(testing::U16(folder + "/b.txt"), testing::U16(folder + "/a.txt"),
                             u"중단된 이름 변경이 남긴 항목인지 확인할 수 없어 그대로 두었습니다")
                      : u"");
        EXPECT_EQ(testing::Listing(tree.Path() / folder), c.disk);
    }
}

// A rename to a name differing in case only, stopped between its two renames where
// the file system ignores case: the undo finds the item under the temporary name
// on record and puts it back.
TEST_F(JournalTest, ItemLeftUnderATemporaryNameComesBack) {
    tree.WriteFile("a.txt", "A");
    const std::u16string a = tree.Join(u"a.txt");
    const std::u16string temp = tree.Join(u".morvalent-1-0");
    platform::AppendFile file;
    const auto id = history.Create(file);
    ASSERT_TRUE(id);
    {
        JournalWriter writer(file);
        writer.Header(1);
        writer.Row(0, fs->ReadIdentity(a), a, tree.Join(u"A.txt"));
        writer.PlanEnd(1);
        writer.Spare(0, {platform::MoveStep::Kind::TemporaryName, temp, std::nullopt});
        ASSERT_TRUE(writer.Sync());
    }
    file.Close();
    ASSERT_EQ(rename(testing::U8(a).c_str(), testing::U8(temp).c_str()), 0);

    const UndoOutcome undo = UndoCommit(history, *id);
    EXPECT_EQ(undo.result, UndoResult::Done) << testing::U8(undo.failureReport);
    EXPECT_EQ(Disk(), "a.txt=A\n");
}

}  // namespace
}  // namespace morvalent::commit::journal_testing
