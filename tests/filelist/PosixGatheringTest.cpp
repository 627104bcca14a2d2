#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "GatheringFixture.h"
#include "platform/Text.h"

namespace morvalent::filelist::gathering_testing {
namespace {

// Names differ by every letter here: Same.txt listed, same.txt is another file.
TEST_F(GatheringTest, NameInOtherLetterCaseIsAnotherFile) {
    dir.WriteFile("Same.txt");
    dir.WriteFile("same.txt");
    CountingQuestion contents(false);
    Batch({dir.Join(u"Same.txt")}, contents);
    Batch({dir.Join(u"Same.txt"), dir.Join(u"same.txt")}, contents);
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{dir.Join(u"Same.txt"), dir.Join(u"same.txt")}));
}

// Links are items of their own; only POSIX file systems here make them for any user.
// In a walk a link to a folder is a folder not entered, so no row; a link to a
// file is a file row.
TEST_F(GatheringTest, LinkLoopIsNeitherFollowedNorListed) {
    dir.WriteFile("loop/a.txt");
    std::filesystem::create_directory_symlink(dir.Path() / "loop", dir.Path() / "loop" / "back");
    std::filesystem::create_symlink(dir.Path() / "loop" / "a.txt", dir.Path() / "loop" / "to-a");
    CountingQuestion contents(false);
    Batch({dir.Join(u"loop")}, contents);
    EXPECT_EQ(Paths(),
              (std::vector<std::u16string>{dir.Join(u"loop/a.txt"), dir.Join(u"loop/to-a")}));
    // A top-level link to a folder is a folder.
    std::filesystem::create_directory_symlink(dir.Path() / "loop", dir.Path() / "top");
    Batch({dir.Join(u"top")}, contents);
    EXPECT_EQ(list.Count(), 4u);
}

// Names on Linux are bytes, which need not be UTF-8.
TEST_F(GatheringTest, NameThatIsNotUtf8IsGathered) {
    dir.WriteFile("raw/\xC7\xD1.txt");
    CountingQuestion contents(false);
    Batch({dir.Join(u"raw")}, contents);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(*platform::Utf16ToNative(list.CurrentName(0)), "\xC7\xD1.txt");
}

// A folder without read permission cannot be listed; one without search
// permission names its items but does not let them be looked at. Root reads both.
TEST_F(GatheringTest, FoldersThatCannotBeReadAreCounted) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    dir.WriteFile("top/a.txt");
    dir.WriteFile("top/closed/b.txt");
    dir.WriteFile("top/blind/c.txt");
    dir.WriteFile("top/blind/d.txt");
    const auto closed = dir.Path() / "top" / "closed";
    const auto blind = dir.Path() / "top" / "blind";
    ASSERT_EQ(chmod(closed.c_str(), 0), 0);
    ASSERT_EQ(chmod(blind.c_str(), 0444), 0);
    CountingQuestion contents(false);
    const std::size_t unreadable = Batch({dir.Join(u"top")}, contents);
    chmod(closed.c_str(), 0755);
    chmod(blind.c_str(), 0755);
    EXPECT_EQ(unreadable, 3u);
    EXPECT_EQ(Paths(), std::vector<std::u16string>{dir.Join(u"top/a.txt")});
}

}  // namespace
}  // namespace morvalent::filelist::gathering_testing
