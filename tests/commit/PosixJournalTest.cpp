#include <gtest/gtest.h>

#include <string>

#include "JournalFixture.h"

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

}  // namespace
}  // namespace morvalent::commit::journal_testing
