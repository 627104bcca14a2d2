#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CommitFixture.h"

namespace morvalent::app::commit_testing {
namespace {

using testing::U16;

// Names on Linux are bytes, which need not be UTF-8. A name read with raw bytes
// keeps them; half a character left by an edit looks like such a byte but never
// reaches the disk, alone or joined with another half.
TEST_F(CommitTest, NameOnDiskIsTheNameShown) {
    struct Case {
        const char* name;
        std::string file;
        std::u16string newName;
        std::string disk;
        bool fails;
    };
    const std::u16string skull = u"\U0001F480abc.txt";
    const std::u16string twoMarks = u"\U0001F4C3\U0001F4A9.txt";
    const Case cases[] = {
        {"CP949 bytes renamed", "\xC7\xD1\xB1\xDB.txt", u"ok.txt", "ok.txt=F\n", false},
        {"prefix on raw bytes", "\xC7\xD1.txt", u"x" + U16("\xC7\xD1.txt"), "x\xC7\xD1.txt=F\n",
         false},
        {"half of a pair after a cut",
         "\xF0\x9F\x92\x80"
         "abc.txt",
         skull.substr(1),
         "\xF0\x9F\x92\x80"
         "abc.txt=F\n",
         true},
        {"two halves that would join", "\xF0\x9F\x93\x83\xF0\x9F\x92\xA9.txt",
         std::u16string{twoMarks[1], twoMarks[3]} + u".txt",
         "\xF0\x9F\x93\x83\xF0\x9F\x92\xA9.txt=F\n", true},
        {"raw bytes the path does not have", "plain.txt", std::u16string{0xDCB0, 0xDCA1} + u".txt",
         "plain.txt=F\n", true},
        {"raw bytes of the path that would join", "\xC3x\xA9.txt",
         std::u16string{0xDCC3, 0xDCA9} + u".txt", "\xC3x\xA9.txt=F\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        std::filesystem::remove_all(dir.Path());
        std::filesystem::create_directories(dir.Path());
        dir.WriteFile(c.file, "F");
        Add(U16(c.file), c.newName);
        Commit();
        EXPECT_EQ(LastMessage(), c.fails ? Fail(U16(c.file), c.newName)
                                         : std::u16string(u"파일 이름을 변경하였습니다."));
        EXPECT_EQ(Disk(), c.disk);
    }
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
