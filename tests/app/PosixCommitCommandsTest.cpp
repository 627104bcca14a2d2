#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CommitFixture.h"

namespace morvalent::app::commit_testing {
namespace {

using testing::U16;

// Names on Linux are bytes, which need not be UTF-8.
TEST_F(CommitTest, NamesThatAreNotUtf8AreRenamedExactly) {
    const std::string raw = "\xC7\xD1\xB1\xDB.txt";  // CP949 bytes
    dir.WriteFile(raw, "K");
    dir.WriteFile("plain.txt", "P");
    Add(U16(raw), u"ok.txt");
    // The same kind of bytes, written as the escapes a listing gives them.
    Add(u"plain.txt", std::u16string{0xDCB0, 0xDCA1} + u".txt");
    Commit();
    EXPECT_EQ(LastMessage(), u"파일 이름을 변경하였습니다.");
    EXPECT_EQ(Disk(), "ok.txt=K\n\xB0\xA1.txt=P\n");
}

// rename(2) between two hard links of one file succeeds without doing anything.
TEST_F(CommitTest, FileOntoAHardLinkOfItselfFails) {
    dir.WriteFile("a.txt", "A");
    std::filesystem::create_hard_link(dir.Path() / "a.txt", dir.Path() / "b.txt");
    const std::string before = Disk();
    Add(u"a.txt", u"b.txt");
    Commit();
    EXPECT_EQ(LastMessage(), Fail(u"a.txt", u"b.txt"));
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(dialog.List().CurrentName(0), u"a.txt");
    EXPECT_EQ(dialog.List().NewName(0), u"b.txt");
}

}  // namespace
}  // namespace morvalent::app::commit_testing
