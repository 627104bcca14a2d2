#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "platform/CodePage.h"
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

TEST(InputFile, ReadsEveryByteInPieces) {
    TempDir dir;
    dir.WriteFile("zeros.bin", "a\0b\0\xFF"s);
    InputFile file(dir.Join(u"zeros.bin"));
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.SizeHint(), 5u);
    std::string buffer(3, '-');
    EXPECT_EQ(file.Read(buffer.data(), 3), 3u);
    EXPECT_EQ(buffer, "a\0b"s);
    EXPECT_EQ(file.Read(buffer.data(), 3), 2u);
    EXPECT_EQ(buffer.substr(0, 2), "\0\xFF"s);
    EXPECT_EQ(file.Read(buffer.data(), 3), 0u);
}

TEST(InputFile, OpensOnlyFiles) {
    TempDir dir;
    const std::string raw = "\xC7\xD1.txt";  // a name that is not UTF-8
    dir.WriteFile(raw, "x");
    EXPECT_TRUE(InputFile(dir.Text() + u"/" + Utf8ToUtf16(raw)).IsOpen());
    EXPECT_FALSE(InputFile(dir.Join(u"missing.txt")).IsOpen());
    EXPECT_FALSE(InputFile(dir.Text()).IsOpen());
    EXPECT_FALSE(InputFile(u"").IsOpen());
    EXPECT_FALSE(InputFile(u"/dev/zero").IsOpen());
    ASSERT_EQ(mkfifo((dir.Path() / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(InputFile(dir.Join(u"pipe")).IsOpen());
}

TEST(ReplacingFile, CreatesOrReplacesWholly) {
    TempDir dir;
    ASSERT_TRUE(Replace(dir.Join(u"new.txt"), "abc\0d"s));
    EXPECT_EQ(dir.ReadFile("new.txt"), "abc\0d"s);
    dir.WriteFile("old.txt", std::string(1000, 'o'));
    ASSERT_TRUE(Replace(dir.Join(u"old.txt"), "short"));
    EXPECT_EQ(dir.ReadFile("old.txt"), "short");
    ASSERT_TRUE(Replace(dir.Join(u"한글.txt"), ""));
    EXPECT_EQ(dir.ReadFile("한글.txt"), "");
    // No temporary file stays behind.
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"new.txt", "old.txt", "한글.txt"}));
}

TEST(ReplacingFile, WithoutCommitTheOldFileStays) {
    TempDir dir;
    dir.WriteFile("names.txt", "old content");
    {
        ReplacingFile file(dir.Join(u"names.txt"));
        ASSERT_TRUE(file.IsOpen());
        ASSERT_TRUE(file.Write("half"));
        EXPECT_EQ(dir.ReadFile("names.txt"), "old content");
    }
    EXPECT_EQ(dir.ReadFile("names.txt"), "old content");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"names.txt"});
}

TEST(ReplacingFile, KeepsPermissionsOfTheReplacedFile) {
    TempDir dir;
    dir.WriteFile("kept.txt", "old");
    const auto path = dir.Path() / "kept.txt";
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(Replace(dir.Join(u"kept.txt"), "new"));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(ReplacingFile, ThroughALinkReplacesItsTarget) {
    TempDir dir;
    dir.WriteFile("real/target.txt", "old");
    std::filesystem::create_symlink(dir.Path() / "real/target.txt", dir.Path() / "link.txt");
    ASSERT_TRUE(Replace(dir.Join(u"link.txt"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link.txt"));
    EXPECT_EQ(dir.ReadFile("real/target.txt"), "new");
}

TEST(ReplacingFile, FailsWithoutTouchingAnything) {
    TempDir dir;
    dir.WriteFile("folder/inside.txt", "keep");
    EXPECT_FALSE(Replace(dir.Join(u"missing/names.txt"), "x"));
    EXPECT_FALSE(Replace(dir.Join(u"folder"), "x"));
    EXPECT_FALSE(Replace(u"", "x"));
    EXPECT_FALSE(Replace(u"\xD800", "x"));
    EXPECT_EQ(dir.ReadFile("folder/inside.txt"), "keep");
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"folder"}));
}

TEST(ReplacingFile, LeavesAFileTheUserMayNotWrite) {
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
