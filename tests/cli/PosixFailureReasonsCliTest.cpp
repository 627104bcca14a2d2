#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/TempDir.h"

// The real program renames into a folder it may not write: each failed item is
// written to standard error with the reason, and the exit status says so.
namespace morvalent::cli {
namespace {

struct ProgramRun {
    int status;
    std::string err;
};

// Runs the program on `box/a.txt` with `wrapper` (a command taking the program's
// words after it, with `$box` set), from a shell.
ProgramRun RunInBox(const testing::TempDir& dir, const std::string& wrapper) {
    const std::string root = dir.Path().string();
    const std::string command = "export box='" + root + "/box' XDG_STATE_HOME='" + root +
                                "/state' ASAN_OPTIONS=detect_leaks=0; " + wrapper + " '" +
                                MORVALENT_CLI_PROGRAM +
                                "' \"$box/a.txt\" --prefix x- --apply "
                                "--print=none 2>'" +
                                root + "/err'";
    const int status =
        std::system(("sh -c '" +
                     [&] {
                         std::string quoted;
                         for (char c : command)
                             quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
                         return quoted;
                     }() +
                     "'")
                        .c_str());
    std::ifstream file(dir.Path() / "err");
    std::stringstream err;
    err << file.rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err.str()};
}

std::string FailedLine(const testing::TempDir& dir, const std::string& reason) {
    return dir.Path().string() + "/box/a.txt\tx-a.txt\t" + reason + "\n";
}

TEST(PosixFailureReasonsCli, ReadOnlyFileSystem) {
    testing::TempDir dir;
    dir.WriteFile("box/a.txt");
    // A read-only bind mount of the folder, in a mount namespace of its own.
    if (std::system("unshare -rm true 2>/dev/null") != 0) {
        GTEST_SKIP() << "no mount namespace for a read-only mount on this system";
    }
    const ProgramRun run =
        RunInBox(dir,
                 "unshare -rm sh -c 'mount --bind \"$box\" \"$box\" && "
                 "mount -o remount,bind,ro \"$box\" \"$box\" && exec \"$@\"' sh");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(FailedLine(dir, "읽기 전용 파일 시스템입니다")), std::string::npos)
        << run.err;
    EXPECT_TRUE(dir.Exists("box/a.txt"));
}

TEST(PosixFailureReasonsCli, NoPermission) {
    testing::TempDir dir;
    dir.WriteFile("box/a.txt");
    if (geteuid() == 0 && std::system("command -v setpriv >/dev/null") != 0) {
        GTEST_SKIP() << "running as root without setpriv to give up its rights";
    }
    ASSERT_EQ(chmod((dir.Path() / "box").c_str(), 0555), 0);
    // Root writes anywhere: the program runs without the capabilities that let it.
    const std::string wrapper =
        geteuid() == 0 ? "setpriv --bounding-set=-dac_override,-dac_read_search,-fowner --" : "";
    const ProgramRun run = RunInBox(dir, wrapper);
    chmod((dir.Path() / "box").c_str(), 0755);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(FailedLine(dir, "권한이 없습니다")), std::string::npos) << run.err;
    EXPECT_TRUE(dir.Exists("box/a.txt"));
}

}  // namespace
}  // namespace morvalent::cli
