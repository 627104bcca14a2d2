#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Text.h"
#include "platform/TextFiles.h"
#include "platform/posix/CodePage.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using namespace std::string_literals;
using testing::TempDir;

std::vector<std::string> Names(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(dir.Path())) {
        names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool Replace(std::u16string_view path, std::string_view bytes) {
    ReplacingFile file(path);
    return file.IsOpen() && file.Write(bytes) && file.Commit();
}

TEST(PosixInputFile, OpensPlainFilesAndPipesOnly) {
    TempDir dir;
    const std::string raw = "\xC7\xD1.txt";  // a name that is not UTF-8
    dir.WriteFile(raw, "x");
    EXPECT_TRUE(InputFile(dir.Text() + u"/" + Utf8ToUtf16(raw)).IsOpen());
    EXPECT_FALSE(InputFile(u"/dev/zero").IsOpen());
    // A pipe whose writer is done, as `<(...)` in a shell gives it.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], "a\nb\n", 4), 4);
    close(ends[1]);
    InputFile piped(Utf8ToUtf16("/proc/self/fd/" + std::to_string(ends[0])));
    close(ends[0]);
    ASSERT_TRUE(piped.IsOpen());
    std::string bytes(8, '\0');
    EXPECT_EQ(piped.Read(bytes.data(), bytes.size()), std::optional<std::size_t>(4));
    EXPECT_EQ(bytes.substr(0, 4), "a\nb\n");
}

TEST(PosixReplacingFile, KeepsPermissionsOfTheReplacedFile) {
    TempDir dir;
    dir.WriteFile("kept.txt", "old");
    const auto path = dir.Path() / "kept.txt";
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(Replace(dir.Join(u"kept.txt"), "new"));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(PosixReplacingFile, KeepsTheOwnerWhenRunAsRoot) {
    if (geteuid() != 0) GTEST_SKIP() << "only root gives files away";
    TempDir dir;
    dir.WriteFile("owned.txt", "old");
    const auto path = dir.Path() / "owned.txt";
    ASSERT_EQ(chown(path.c_str(), 1234, 5678), 0);
    ASSERT_TRUE(Replace(dir.Join(u"owned.txt"), "new"));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(st.st_gid, 5678u);
}

TEST(PosixReplacingFile, ThroughALinkReplacesItsTarget) {
    TempDir dir;
    dir.WriteFile("real/target.txt", "old");
    std::filesystem::create_symlink(dir.Path() / "real/target.txt", dir.Path() / "link.txt");
    ASSERT_TRUE(Replace(dir.Join(u"link.txt"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link.txt"));
    EXPECT_EQ(dir.ReadFile("real/target.txt"), "new");
}

TEST(PosixReplacingFile, RefusesAPathThatCannotNameAFile) { EXPECT_FALSE(Replace(u"\xD800", "x")); }

TEST(PosixReplacingFile, LeavesAFileTheUserMayNotWrite) {
    if (geteuid() == 0) GTEST_SKIP() << "every file is writable for root";
    TempDir dir;
    dir.WriteFile("locked.txt", "keep");
    ASSERT_EQ(chmod((dir.Path() / "locked.txt").c_str(), 0444), 0);
    EXPECT_FALSE(Replace(dir.Join(u"locked.txt"), "x"));
    EXPECT_EQ(dir.ReadFile("locked.txt"), "keep");
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"locked.txt"}));
}

TEST(CodePage, ChosenFromTheLocaleCharset) {
    struct Row {
        const char* charset;
        const char* codePage;
    };
    const Row rows[] = {
        {"UTF-8", "windows-949-2000"},          {"utf8", "windows-949-2000"},
        {"ANSI_X3.4-1968", "windows-949-2000"}, {"", "windows-949-2000"},
        {"CP949", "windows-949-2000"},          {"EUC-KR", "EUC-KR"},
        {"ISO-8859-1", "ISO-8859-1"},           {"GB18030", "GB18030"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CodePageForCharset(row.charset), row.codePage) << row.charset;
    }
}

TEST(CodePage, Decodes) {
    struct Row {
        const char* name;
        std::string bytes;
        std::string codePage;
        std::u16string text;
    };
    const Row rows[] = {
        {"Korean Windows", "\xC7\xD1\xB1\xDB \x8C\x63"s, "windows-949-2000", u"한글 똠"},
        {"EUC-KR", "\xC7\xD1\xB1\xDB"s, "EUC-KR", u"한글"},
        {"Latin-1", "caf\xE9"s, "ISO-8859-1", u"café"},
        {"ends at zero", "ab\0cd"s, "windows-949-2000", u"ab"},
        {"unknown code page", "abc"s, "no-such-code-page", u""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DecodeCodePage(row.bytes, row.codePage), row.text) << row.name;
    }
}

TEST(CodePage, SystemCodePageInAUtf8LocaleIsKoreanWindows) {
    // ctest runs under LC_ALL=C.UTF-8.
    EXPECT_EQ(CodePageForCharset(LocaleCharset()), "windows-949-2000");
    EXPECT_EQ(DecodeSystemCodePage("\xC7\xD1\xB1\xDB.txt"), u"한글.txt");
}

}  // namespace
}  // namespace morvalent::platform
