#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

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
        EXPECT_EQ(LastMessage(), c.fails
                                     ? Fail(U16(c.file), c.newName, u"이름을 그대로 쓸 수 없습니다")
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
    EXPECT_EQ(LastMessage(), Fail(u"a.txt", u"b.txt", u"같은 이름이 이미 있습니다"));
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(dialog.List().CurrentName(0), u"a.txt");
    EXPECT_EQ(dialog.List().NewName(0), u"b.txt");
}

// Each common cause the system gives reads in Korean after the failure line and
// over the failed row; any other speaks in the system's own words.
TEST_F(CommitTest, FailedRowsSayWhyInTheLineAndTheMarks) {
    using platform::MoveResult;
    struct Case {
        const char* name;
        platform::MoveOutcome refusal;
        std::u16string reason;
    };
    const Case cases[] = {
        {"permission", {MoveResult::Failed, EACCES}, u"권한이 없습니다"},
        {"not permitted", {MoveResult::Failed, EPERM}, u"권한이 없습니다"},
        {"read-only", {MoveResult::Failed, EROFS}, u"읽기 전용 파일 시스템입니다"},
        {"no space", {MoveResult::Failed, ENOSPC}, u"저장 공간이 부족합니다"},
        {"name too long", {MoveResult::Failed, ENAMETOOLONG}, u"이름이 너무 깁니다"},
        {"in use", {MoveResult::Failed, EBUSY}, u"다른 프로그램이 사용 중입니다"},
        {"gone", {MoveResult::SourceMissing, ENOENT}, u"파일이나 폴더를 찾을 수 없습니다"},
        {"across devices",
         {MoveResult::FolderAcrossDevices, EXDEV},
         u"폴더는 다른 드라이브로 옮길 수 없습니다"},
        {"target exists", {MoveResult::TargetExists, EEXIST}, u"같은 이름이 이미 있습니다"},
        {"other", {MoveResult::Failed, EIO}, testing::U16(std::strerror(EIO))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.List().Clear();
        dir.WriteFile("a.txt", "A");
        dir.WriteFile("b.txt", "B");
        Add(u"a.txt", u"a2.txt");
        Add(u"b.txt", u"b2.txt");
        fs.refuse = {{dir.Join(u"b.txt"), c.refusal}};
        Commit();
        EXPECT_EQ(LastMessage(), Fail(u"b.txt", u"b2.txt", c.reason));
        EXPECT_EQ(dialog.FailureTextAt(1), c.reason);
        EXPECT_EQ(dialog.FailureAt(0), nullptr);
        ASSERT_NE(dialog.FailureAt(1), nullptr);
        EXPECT_EQ(dialog.FailureAt(1)->code, c.refusal.error);
        std::filesystem::rename(dir.Path() / "a2.txt", dir.Path() / "a.txt");
    }
    // The mark goes with its row when the rows move; the next commit forgets it.
    dialog.List().SetSelected(1, true);
    dialog.OnCommand(CommandId::MoveUp);
    EXPECT_EQ(dialog.FailureTextAt(0), testing::U16(std::strerror(EIO)));
    EXPECT_EQ(dialog.FailureAt(1), nullptr);
    fs.refuse.clear();
    Commit();
    EXPECT_EQ(dialog.FailureAt(0), nullptr);
}

// Sets or clears the folder's immutable flag; false where the file system has none.
bool SetImmutable(const std::filesystem::path& folder, bool on) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
    return done;
}

// A folder the user may not change, as the system reports it: without write
// permission, or, for root, who may write anywhere, made immutable.
TEST_F(CommitTest, AFolderThatMayNotChangeIsNamedAsTheReason) {
    dir.WriteFile("locked/a.txt", "A");
    Add(u"locked/a.txt", u"b.txt");
    const std::filesystem::path locked = dir.Path() / "locked";
    using std::filesystem::perm_options;
    using std::filesystem::perms;
    if (geteuid() != 0) {
        std::filesystem::permissions(locked, perms::owner_write, perm_options::remove);
    } else if (!SetImmutable(locked, true)) {
        GTEST_SKIP() << "this file system has no immutable folders";
    }
    Commit();
    if (geteuid() != 0)
        std::filesystem::permissions(locked, perms::owner_write, perm_options::add);
    else
        SetImmutable(locked, false);
    EXPECT_EQ(LastMessage(), Fail(u"locked/a.txt", u"locked/b.txt", u"권한이 없습니다"));
    EXPECT_EQ(Disk(), "locked/\nlocked/a.txt=A\n");
}

}  // namespace
}  // namespace morvalent::app::commit_testing
