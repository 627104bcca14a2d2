#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "support/TempDir.h"

namespace morvalent::cli {
namespace {

using testing::U8;

std::string Print(const testing::TempDir& dir, const std::string& mode) {
    std::ostringstream out;
    std::ostringstream err;
    RunCommandLine(
        {"--folders=contents", U8(dir.Text()), "--replace", "1", "01", "--print=" + mode}, out,
        err);
    return out.str();
}

// A name that is not UTF-8 is written as the bytes it has on disk, except in the
// table, which is meant for reading.
TEST(PosixCliPrint, NameThatIsNotUtf8) {
    testing::TempDir dir;
    dir.WriteFile("가/사진 1.jpg");
    dir.WriteFile(std::string("raw-\xFF.txt"));
    const std::string root = U8(dir.Text());
    EXPECT_EQ(Print(dir, "names"), "raw-\xFF.txt\n사진 01.jpg\n");
    EXPECT_EQ(Print(dir, "paths"), root + "/raw-\xFF.txt\n" + root + "/가/사진 1.jpg\n");
    EXPECT_EQ(Print(dir, "targets"), root + "/raw-\xFF.txt\n" + root + "/가/사진 01.jpg\n");
    EXPECT_EQ(Print(dir, "table"),
              "번호  현재이름    바꿀이름     파일위치\n"
              "   1  raw-\xEF\xBF\xBD.txt   raw-\xEF\xBF\xBD.txt    " +
                  root +
                  "\n"
                  "   2  사진 1.jpg  사진 01.jpg  " +
                  root + "/가\n");
}

// The names below the folder, one a line, in order.
std::string Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder)) {
        names.push_back(std::filesystem::relative(item.path(), folder).string());
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) text += name + "\n";
    return text;
}

int RunWith(const std::vector<std::string>& args, const std::u16string& history, std::string& err) {
    std::ostringstream out;
    std::ostringstream errors;
    const int status = RunCommandLine(args, out, errors, false, history);
    err = errors.str();
    return status;
}

// The state folder fills up in the middle of a commit: the commit stops there and
// says so, and once there is room again the undo puts back every item renamed.
TEST(PosixCliJournal, CommitStopsWhereTheJournalCannotBeWritten) {
    if (geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    testing::TempDir dir;
    std::vector<std::string> args = {"--folders=self", U8(dir.Join(u"tree/d"))};
    for (int i = 0; i < 40; ++i) {
        const std::string file = "tree/d/" + std::string(60, 'n') + std::to_string(i) + ".txt";
        dir.WriteFile(file, "x");
        args.push_back(U8(dir.Join(testing::U16(file))));
    }
    args.insert(args.end(), {"--prefix", "new-", "--apply"});
    const std::string before = Names(dir.Path() / "tree");
    std::string err;
    // The plan's size on a roomy disk: the small one holds the plan (a few bytes
    // more, for times written longer) but not the rows moved along with the
    // renamed folder, which take more than a page.
    const std::u16string roomy = dir.Join(u"roomy");
    ASSERT_EQ(RunWith(args, roomy, err), kExitOk) << err;
    std::ifstream journal(dir.Path() / "roomy" / "1.journal", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(journal)), {});
    const std::size_t plan = bytes.find('\n', bytes.find("\nplan\t") + 1) + 1;
    ASSERT_EQ(RunWith({"--undo"}, roomy, err), kExitOk) << err;
    ASSERT_EQ(Names(dir.Path() / "tree"), before);

    dir.MakeFolder("small");
    const std::string small = (dir.Path() / "small").string();
    const std::string size = "size=" + std::to_string((plan + 64 + 4095) / 4096 * 4096);
    if (mount("none", small.c_str(), "tmpfs", 0, size.c_str()) != 0) {
        GTEST_SKIP() << "no tmpfs could be mounted";
    }
    EXPECT_EQ(RunWith(args, dir.Join(u"small"), err), kExitFailures);
    EXPECT_NE(err.find("변경 기록에 쓰지 못해 이름 변경을 멈췄습니다."), std::string::npos) << err;
    EXPECT_NE(Names(dir.Path() / "tree"), before);
    // Room again, as after the user freed some.
    ASSERT_EQ(mount("none", small.c_str(), "tmpfs", MS_REMOUNT, "size=1m"), 0);
    EXPECT_EQ(RunWith({"--undo"}, dir.Join(u"small"), err), kExitOk) << err;
    EXPECT_EQ(Names(dir.Path() / "tree"), before);
    umount2(small.c_str(), MNT_DETACH);
}

}  // namespace
}  // namespace morvalent::cli
