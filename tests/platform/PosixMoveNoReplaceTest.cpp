#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "PosixForcedMove.h"
#include "platform/posix/MoveNoReplace.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/MoveResultName.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;

constexpr time_t kFixedTime = 1000000000;

// A file with known bytes, mode 0640 and a fixed modification time.
void Make(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0640);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    fchmod(fd, 0640);
    const timespec times[2] = {{kFixedTime, 0}, {kFixedTime, 0}};
    futimens(fd, times);
    close(fd);
}

void SnapshotInto(const std::string& root, const std::string& prefix,
                  std::vector<std::string>& out) {
    DIR* dir = opendir((root + "/" + prefix).c_str());
    if (dir == nullptr) return;
    while (const dirent* d = readdir(dir)) {
        const std::string name = d->d_name;
        if (name == "." || name == "..") continue;
        const std::string rel = prefix + name;
        const std::string full = root + "/" + rel;
        struct stat st;
        if (lstat(full.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode)) {
            out.push_back(rel + "/");
            SnapshotInto(root, rel + "/", out);
        } else if (S_ISLNK(st.st_mode)) {
            char buffer[4096];
            const ssize_t n = readlink(full.c_str(), buffer, sizeof buffer);
            out.push_back(rel + " -> " + std::string(buffer, std::size_t(std::max<ssize_t>(n, 0))));
        } else {
            char head[64];
            snprintf(head, sizeof head, " %o %lld ", unsigned(st.st_mode & 07777),
                     static_cast<long long>(st.st_mtim.tv_sec));
            std::string bytes;
            if (FILE* f = fopen(full.c_str(), "rb")) {
                char buffer[4096];
                std::size_t n;
                while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
                fclose(f);
            }
            if (bytes.size() > 64) bytes = "<" + std::to_string(bytes.size()) + " bytes>";
            out.push_back(rel + head + bytes);
        }
    }
    closedir(dir);
}

// Every item beneath the folder, sorted: "name mode mtime bytes", "folder/",
// "link -> text". Names are raw bytes.
std::vector<std::string> Snapshot(const std::string& root) {
    std::vector<std::string> out;
    SnapshotInto(root, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

std::string Text(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

// The ways through the move, each forced by what the child's filter refuses.
struct Way {
    const char* name;
    unsigned refusals;
    bool copies;  // files are copied; folders do not move
};

const Way kWays[] = {
    {"native", 0, false},
    {"without the flag: link and unlink", testing::kNoReplaceFlag, false},
    {"without hard links: placeholder", testing::kNoReplaceFlag | testing::kHardLinks, false},
    {"without reservation: checked rename",
     testing::kNoReplaceFlag | testing::kHardLinks | testing::kExclusiveCreate, false},
    {"across devices: unnamed copy", testing::kAllRenames, true},
    {"across devices: unnamed copy named through /proc",
     testing::kAllRenames | testing::kEmptyPathLinks, true},
    {"across devices: exclusively created copy", testing::kAllRenames | testing::kUnnamedFiles,
     true},
    {"flag, links and renames refused",
     testing::kNoReplaceFlag | testing::kHardLinks | testing::kPlainRenames, true},
};

MoveOutcome RunMove(const Way& way, const std::string& source, const std::string& target) {
    if (way.refusals == 0) return MoveNoReplaceNative(source, target);
    auto outcome = testing::MoveInChild(way.refusals, source, target);
    if (!outcome) {
        ADD_FAILURE() << "the child could not install its filter";
        return {};
    }
    return *outcome;
}

class MoveNoReplaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!testing::SeccompSupported()) GTEST_SKIP() << "no seccomp filter for this machine";
    }
};

struct Arrangement {
    const char* name;
    std::function<void(const std::string& root)> make;
    const char* source;
    const char* target;
};

TEST_F(MoveNoReplaceTest, NeverReplacesAnythingOnAnyWay) {
    const Arrangement cases[] = {
        {"file onto file",
         [](const std::string& r) {
             Make(r + "/a.txt", "A");
             Make(r + "/b.txt", "B");
         },
         "a.txt", "b.txt"},
        {"file onto folder",
         [](const std::string& r) {
             Make(r + "/a.txt", "A");
             Make(r + "/sub/x.txt", "X");
         },
         "a.txt", "sub"},
        {"file onto empty folder",
         [](const std::string& r) {
             Make(r + "/a.txt", "A");
             mkdir((r + "/empty").c_str(), 0755);
         },
         "a.txt", "empty"},
        {"file onto a hard link of itself",
         [](const std::string& r) {
             Make(r + "/a.txt", "A");
             link((r + "/a.txt").c_str(), (r + "/b.txt").c_str());
         },
         "a.txt", "b.txt"},
        {"file onto a dangling link",
         [](const std::string& r) {
             Make(r + "/a.txt", "A");
             symlink("nowhere", (r + "/l").c_str());
         },
         "a.txt", "l"},
        {"folder onto folder",
         [](const std::string& r) {
             Make(r + "/d1/f.txt", "1");
             Make(r + "/d2/g.txt", "2");
         },
         "d1", "d2"},
        {"folder onto empty folder",
         [](const std::string& r) {
             Make(r + "/d1/f.txt", "1");
             mkdir((r + "/empty").c_str(), 0755);
         },
         "d1", "empty"},
        {"folder onto file",
         [](const std::string& r) {
             Make(r + "/d1/f.txt", "1");
             Make(r + "/b.txt", "B");
         },
         "d1", "b.txt"},
    };
    for (const Way& way : kWays) {
        for (const Arrangement& c : cases) {
            SCOPED_TRACE(std::string(way.name) + " / " + c.name);
            TempDir dir;
            const std::string root = dir.Path().string();
            c.make(root);
            const auto before = Snapshot(root);
            const MoveOutcome outcome = RunMove(way, root + "/" + c.source, root + "/" + c.target);
            EXPECT_EQ(testing::MoveResultName(outcome.result), "TargetExists");
            EXPECT_EQ(Text(Snapshot(root)), Text(before));
        }
    }
}

struct MoveCase {
    const char* name;
    std::function<void(const std::string& root)> make;
    const char* source;
    const char* target;
    MoveResult result;
    int error;
    std::vector<std::string> after;
    // Where folders do not move across devices: the result and what is left.
    MoveResult resultWhenCopying;
    std::vector<std::string> afterWhenCopying;
};

TEST_F(MoveNoReplaceTest, MovesOnEveryWay) {
    const std::string notUtf8From = "\xC7\xD1.txt";
    const std::string notUtf8To = "\xB1\xDB.txt";
    const MoveCase cases[] = {
        {"file renamed in its folder",
         [](const std::string& r) { Make(r + "/a.txt", "A"); },
         "a.txt",
         "b.txt",
         MoveResult::Moved,
         0,
         {"b.txt 640 1000000000 A"},
         MoveResult::Moved,
         {"b.txt 640 1000000000 A"}},
        {"empty file",
         [](const std::string& r) { Make(r + "/e", ""); },
         "e",
         "f",
         MoveResult::Moved,
         0,
         {"f 640 1000000000 "},
         MoveResult::Moved,
         {"f 640 1000000000 "}},
        {"file into an existing subfolder",
         [](const std::string& r) {
             Make(r + "/a.txt", "A");
             mkdir((r + "/sub").c_str(), 0755);
         },
         "a.txt",
         "sub/a.txt",
         MoveResult::Moved,
         0,
         {"sub/", "sub/a.txt 640 1000000000 A"},
         MoveResult::Moved,
         {"sub/", "sub/a.txt 640 1000000000 A"}},
        {"file into a missing subfolder",
         [](const std::string& r) { Make(r + "/a.txt", "A"); },
         "a.txt",
         "missing/a.txt",
         MoveResult::Failed,
         ENOENT,
         {"a.txt 640 1000000000 A"},
         MoveResult::Failed,
         {"a.txt 640 1000000000 A"}},
        {"link moved, not what it points at",
         [](const std::string& r) {
             Make(r + "/a.txt", "A");
             symlink("a.txt", (r + "/l").c_str());
         },
         "l",
         "m",
         MoveResult::Moved,
         0,
         {"a.txt 640 1000000000 A", "m -> a.txt"},
         MoveResult::Moved,
         {"a.txt 640 1000000000 A", "m -> a.txt"}},
        {"folder with contents",
         [](const std::string& r) {
             Make(r + "/d/f.txt", "1");
             Make(r + "/d/s/g.txt", "2");
         },
         "d",
         "e",
         MoveResult::Moved,
         0,
         {"e/", "e/f.txt 640 1000000000 1", "e/s/", "e/s/g.txt 640 1000000000 2"},
         MoveResult::FolderAcrossDevices,
         {"d/", "d/f.txt 640 1000000000 1", "d/s/", "d/s/g.txt 640 1000000000 2"}},
        {"source missing",
         [](const std::string&) {},
         "gone",
         "x",
         MoveResult::SourceMissing,
         0,
         {},
         MoveResult::SourceMissing,
         {}},
        {"names that are not UTF-8",
         [notUtf8From](const std::string& r) { Make(r + "/" + notUtf8From, "K"); },
         notUtf8From.c_str(),
         notUtf8To.c_str(),
         MoveResult::Moved,
         0,
         {notUtf8To + " 640 1000000000 K"},
         MoveResult::Moved,
         {notUtf8To + " 640 1000000000 K"}},
    };
    for (const Way& way : kWays) {
        for (const MoveCase& c : cases) {
            SCOPED_TRACE(std::string(way.name) + " / " + c.name);
            TempDir dir;
            const std::string root = dir.Path().string();
            c.make(root);
            const MoveOutcome outcome = RunMove(way, root + "/" + c.source, root + "/" + c.target);
            EXPECT_EQ(testing::MoveResultName(outcome.result),
                      testing::MoveResultName(way.copies ? c.resultWhenCopying : c.result));
            if (outcome.result == MoveResult::Failed) {
                EXPECT_EQ(outcome.error, c.error);
            }
            EXPECT_EQ(Text(Snapshot(root)), Text(way.copies ? c.afterWhenCopying : c.after));
        }
    }
}

TEST_F(MoveNoReplaceTest, FolderIntoItsOwnSubtreeStays) {
    // Where renameat2 answers, it says EINVAL; where only copying is left, the
    // folder does not move across at all.
    const MoveResult expected[] = {MoveResult::Failed,
                                   MoveResult::Failed,
                                   MoveResult::Failed,
                                   MoveResult::Failed,
                                   MoveResult::FolderAcrossDevices,
                                   MoveResult::FolderAcrossDevices,
                                   MoveResult::FolderAcrossDevices,
                                   MoveResult::Failed};
    for (std::size_t i = 0; i < std::size(kWays); ++i) {
        SCOPED_TRACE(kWays[i].name);
        TempDir dir;
        const std::string root = dir.Path().string();
        Make(root + "/d/sub/f.txt", "F");
        const auto before = Snapshot(root);
        const MoveOutcome outcome = RunMove(kWays[i], root + "/d", root + "/d/sub/d");
        EXPECT_EQ(testing::MoveResultName(outcome.result), testing::MoveResultName(expected[i]));
        if (outcome.result == MoveResult::Failed) {
            EXPECT_EQ(outcome.error, EINVAL);
        }
        EXPECT_EQ(Text(Snapshot(root)), Text(before));
    }
}

TEST_F(MoveNoReplaceTest, CopyFailingPartWayLeavesNoTargetAndAnIntactSource) {
    const struct {
        const char* name;
        unsigned refusals;
    } ways[] = {
        {"unnamed copy", testing::kAllRenames},
        {"exclusively created copy", testing::kAllRenames | testing::kUnnamedFiles},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        TempDir dir;
        const std::string root = dir.Path().string();
        Make(root + "/big.bin", std::string(1 << 20, 'x'));
        Make(root + "/out/keep.txt", "K");
        const auto before = Snapshot(root);
        auto outcome =
            testing::MoveInChild(way.refusals, root + "/big.bin", root + "/out/big.bin", 64 * 1024);
        ASSERT_TRUE(outcome);
        EXPECT_EQ(testing::MoveResultName(outcome->result), "Failed");
        EXPECT_EQ(outcome->error, EFBIG);
        EXPECT_EQ(Text(Snapshot(root)), Text(before));
        EXPECT_EQ(dir.ReadFile("big.bin"), std::string(1 << 20, 'x'));
    }
}

// A real move between two file systems: /dev/shm and the temporary folder.
TEST(MoveNoReplaceAcrossDevices, BetweenSharedMemoryAndTheTempFolder) {
    char pattern[] = "/dev/shm/morvalent-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr) GTEST_SKIP() << "no /dev/shm here";
    const std::string shm = pattern;
    TempDir dir;
    const std::string local = dir.Path().string();
    struct stat a;
    struct stat b;
    ASSERT_EQ(stat(shm.c_str(), &a), 0);
    ASSERT_EQ(stat(local.c_str(), &b), 0);
    if (a.st_dev == b.st_dev) {
        std::filesystem::remove_all(shm);
        GTEST_SKIP() << "/dev/shm and the temporary folder are one file system";
    }
    Make(shm + "/a.txt", "across");
    chmod((shm + "/a.txt").c_str(), 0751);
    Make(shm + "/d/f.txt", "F");
    symlink("a.txt", (shm + "/l").c_str());
    Make(shm + "/taken.txt", "new");
    Make(local + "/taken.txt", "old");

    EXPECT_EQ(testing::MoveResultName(MoveNoReplaceNative(shm + "/a.txt", local + "/b.txt").result),
              "Moved");
    EXPECT_EQ(testing::MoveResultName(MoveNoReplaceNative(shm + "/l", local + "/l").result),
              "Moved");
    EXPECT_EQ(testing::MoveResultName(MoveNoReplaceNative(shm + "/d", local + "/d").result),
              "FolderAcrossDevices");
    EXPECT_EQ(testing::MoveResultName(
                  MoveNoReplaceNative(shm + "/taken.txt", local + "/taken.txt").result),
              "TargetExists");
    EXPECT_EQ(Text(Snapshot(local)),
              Text({"b.txt 751 1000000000 across", "l -> a.txt", "taken.txt 640 1000000000 old"}));
    EXPECT_EQ(Text(Snapshot(shm)),
              Text({"d/", "d/f.txt 640 1000000000 F", "taken.txt 640 1000000000 new"}));
    std::filesystem::remove_all(shm);
}

// Stand-in calls: a case-insensitive file system, and calls that fail on demand.
struct FakeState {
    bool caseInsensitive = false;
    int renameat2Error = 0;
    bool refuseRenameOverExisting = false;
    std::string failUnlinkOf;
    // Appends to this file once `copiedTo` exists: a writer busy during the copy.
    std::string appendTo;
    std::string copiedTo;
};
FakeState gFake;

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

int FakeLstat(const char* path, struct stat* st) {
    if (!gFake.appendTo.empty() && gFake.appendTo == path &&
        ::access(gFake.copiedTo.c_str(), F_OK) == 0) {
        gFake.appendTo.clear();
        const int fd = ::open(path, O_WRONLY | O_APPEND);
        if (fd >= 0) {
            (void)::write(fd, "+", 1);
            ::close(fd);
        }
    }
    const int result = ::lstat(path, st);
    if (result == 0 || errno != ENOENT || !gFake.caseInsensitive) return result;
    const std::string p = path;
    const auto slash = p.rfind('/');
    const std::string folder = p.substr(0, slash);
    const std::string name = p.substr(slash + 1);
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* d = readdir(dir)) {
            if (EqualsIgnoringCase(d->d_name, name)) {
                const std::string found = folder + "/" + d->d_name;
                closedir(dir);
                return ::lstat(found.c_str(), st);
            }
        }
        closedir(dir);
    }
    errno = ENOENT;
    return -1;
}

bool FakeTaken(const char* path) {
    struct stat st;
    return gFake.caseInsensitive && FakeLstat(path, &st) == 0;
}

const MoveCalls kFakeCalls{
    [](int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
        if (gFake.renameat2Error != 0) {
            errno = gFake.renameat2Error;
            return -1;
        }
        if ((flags & RENAME_NOREPLACE) != 0 && FakeTaken(to)) {
            errno = EEXIST;
            return -1;
        }
        return ::renameat2(fromDir, from, toDir, to, flags);
    },
    [](int fromDir, const char* from, int toDir, const char* to) {
        struct stat st;
        if (gFake.refuseRenameOverExisting && ::lstat(to, &st) == 0) {
            errno = EPERM;
            return -1;
        }
        return ::renameat(fromDir, from, toDir, to);
    },
    [](int fromDir, const char* from, int toDir, const char* to, int flags) {
        if (FakeTaken(to)) {
            errno = EEXIST;
            return -1;
        }
        return ::linkat(fromDir, from, toDir, to, flags);
    },
    [](int dir, const char* path, int flags) {
        if (gFake.failUnlinkOf == path) {
            errno = EBUSY;
            return -1;
        }
        return ::unlinkat(dir, path, flags);
    },
    FakeLstat,
};

class FakeCallsTest : public ::testing::Test {
  protected:
    void SetUp() override { gFake = FakeState{}; }
    void TearDown() override { gFake = FakeState{}; }
};

TEST_F(FakeCallsTest, CaseOnlyRenameGoesThroughATemporaryName) {
    gFake.caseInsensitive = true;
    TempDir dir;
    const std::string root = dir.Path().string();
    Make(root + "/readme.txt", "R");
    const MoveOutcome outcome =
        MoveNoReplaceWith(kFakeCalls, root + "/readme.txt", root + "/README.txt");
    EXPECT_EQ(testing::MoveResultName(outcome.result), "Moved");
    EXPECT_EQ(Text(Snapshot(root)), Text({"README.txt 640 1000000000 R"}));
}

TEST_F(FakeCallsTest, CaseOnlyRenameTellsItsTemporaryNameFirst) {
    gFake.caseInsensitive = true;
    TempDir dir;
    const std::string root = dir.Path().string();
    Make(root + "/readme.txt", "R");
    std::vector<std::string> told;
    bool agree = false;
    const MoveRun::StepWitness steps = [&](const MoveStep& step) {
        told.push_back(testing::U8(step.path));
        return agree && step.kind == MoveStep::Kind::TemporaryName;
    };
    // A witness that cannot record it stops the move before anything is renamed.
    EXPECT_EQ(testing::MoveResultName(MoveNoReplaceWith(kFakeCalls, root + "/readme.txt",
                                                        root + "/README.txt", {nullptr, &steps})
                                          .result),
              "Failed");
    EXPECT_EQ(Text(Snapshot(root)), Text({"readme.txt 640 1000000000 R"}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].starts_with(root + "/.morvalent-")) << told[0];
    agree = true;
    EXPECT_EQ(testing::MoveResultName(MoveNoReplaceWith(kFakeCalls, root + "/readme.txt",
                                                        root + "/README.txt", {nullptr, &steps})
                                          .result),
              "Moved");
    EXPECT_EQ(Text(Snapshot(root)), Text({"README.txt 640 1000000000 R"}));
}

TEST_F(FakeCallsTest, CaseOnlyRenameOfAFolder) {
    gFake.caseInsensitive = true;
    TempDir dir;
    const std::string root = dir.Path().string();
    Make(root + "/photos/a.jpg", "P");
    const MoveOutcome outcome = MoveNoReplaceWith(kFakeCalls, root + "/photos", root + "/Photos");
    EXPECT_EQ(testing::MoveResultName(outcome.result), "Moved");
    EXPECT_EQ(Text(Snapshot(root)), Text({"Photos/", "Photos/a.jpg 640 1000000000 P"}));
}

TEST_F(FakeCallsTest, OtherSpellingsAreStillTargetsThatExist) {
    gFake.caseInsensitive = true;
    const Arrangement cases[] = {
        // Another name of the same file, spelled exactly like the target.
        {"hard link with the exact name",
         [](const std::string& r) {
             Make(r + "/readme.txt", "R");
             link((r + "/readme.txt").c_str(), (r + "/README.txt").c_str());
         },
         "readme.txt", "README.txt"},
        {"another file answering to the name",
         [](const std::string& r) {
             Make(r + "/readme.txt", "R");
             Make(r + "/Other.txt", "O");
         },
         "readme.txt", "OTHER.TXT"},
        {"another name of the file in another folder",
         [](const std::string& r) {
             Make(r + "/readme.txt", "R");
             mkdir((r + "/sub").c_str(), 0755);
             link((r + "/readme.txt").c_str(), (r + "/sub/readme.txt").c_str());
         },
         "readme.txt", "sub/README.txt"},
    };
    for (const Arrangement& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string root = dir.Path().string();
        c.make(root);
        const auto before = Snapshot(root);
        const MoveOutcome outcome =
            MoveNoReplaceWith(kFakeCalls, root + "/" + c.source, root + "/" + c.target);
        EXPECT_EQ(testing::MoveResultName(outcome.result), "TargetExists");
        EXPECT_EQ(Text(Snapshot(root)), Text(before));
    }
}

TEST_F(FakeCallsTest, SourceThatCannotBeRemovedKeepsEverythingAsItWas) {
    // After link (flag unsupported) and after a copy (across devices), the new
    // name is taken away again when the old one cannot go.
    const int errors[] = {EINVAL, EXDEV};
    for (int error : errors) {
        SCOPED_TRACE(error);
        gFake = FakeState{};
        gFake.renameat2Error = error;
        TempDir dir;
        const std::string root = dir.Path().string();
        Make(root + "/a.txt", "A");
        gFake.failUnlinkOf = root + "/a.txt";
        const MoveOutcome outcome = MoveNoReplaceWith(kFakeCalls, root + "/a.txt", root + "/b.txt");
        EXPECT_EQ(testing::MoveResultName(outcome.result), "Failed");
        EXPECT_EQ(outcome.error, EBUSY);
        EXPECT_EQ(Text(Snapshot(root)), Text({"a.txt 640 1000000000 A"}));
    }
}

TEST_F(FakeCallsTest, CopyAcrossDevicesOfAFileWrittenMeanwhileKeepsTheSource) {
    gFake.renameat2Error = EXDEV;
    TempDir dir;
    const std::string root = dir.Path().string();
    Make(root + "/a.txt", "A");
    gFake.appendTo = root + "/a.txt";
    gFake.copiedTo = root + "/b.txt";
    const MoveOutcome outcome = MoveNoReplaceWith(kFakeCalls, root + "/a.txt", root + "/b.txt");
    EXPECT_EQ(testing::MoveResultName(outcome.result), "Failed");
    EXPECT_EQ(outcome.error, ESTALE);
    EXPECT_EQ(dir.ReadFile("a.txt"), "A+");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "b.txt"));
}

TEST_F(FakeCallsTest, CopyAcrossDevicesKeepsTheUsersAttributes) {
    gFake.renameat2Error = EXDEV;
    TempDir dir;
    const std::string root = dir.Path().string();
    Make(root + "/a.txt", "A");
    if (setxattr((root + "/a.txt").c_str(), "user.origin", "web", 3, 0) != 0) {
        GTEST_SKIP() << "no user attributes on this file system";
    }
    const MoveOutcome outcome = MoveNoReplaceWith(kFakeCalls, root + "/a.txt", root + "/b.txt");
    EXPECT_EQ(testing::MoveResultName(outcome.result), "Moved");
    char value[8] = {};
    EXPECT_EQ(getxattr((root + "/b.txt").c_str(), "user.origin", value, sizeof value), 3);
    EXPECT_STREQ(value, "web");
}

TEST_F(FakeCallsTest, RenameOverPlaceholderRefusedFallsBackToACheckedRename) {
    gFake.renameat2Error = EINVAL;
    gFake.refuseRenameOverExisting = true;
    TempDir dir;
    const std::string root = dir.Path().string();
    Make(root + "/d/f.txt", "F");
    Make(root + "/b.txt", "B");
    MoveOutcome outcome = MoveNoReplaceWith(kFakeCalls, root + "/d", root + "/e");
    EXPECT_EQ(testing::MoveResultName(outcome.result), "Moved");
    outcome = MoveNoReplaceWith(kFakeCalls, root + "/e", root + "/b.txt");
    EXPECT_EQ(testing::MoveResultName(outcome.result), "TargetExists");
    EXPECT_EQ(Text(Snapshot(root)),
              Text({"b.txt 640 1000000000 B", "e/", "e/f.txt 640 1000000000 F"}));
}

}  // namespace
}  // namespace morvalent::platform
