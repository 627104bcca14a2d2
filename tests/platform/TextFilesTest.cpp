#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/TextFiles.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using namespace std::string_literals;
using testing::TempDir;

std::vector<std::u16string> Names(const TempDir& dir) {
    std::vector<std::u16string> names;
    for (const auto& item : std::filesystem::directory_iterator(dir.Path())) {
        names.push_back(item.path().filename().u16string());
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
    dir.WriteFile("한글.txt", "x");
    EXPECT_TRUE(InputFile(dir.Join(u"한글.txt")).IsOpen());
    EXPECT_FALSE(InputFile(dir.Join(u"missing.txt")).IsOpen());
    EXPECT_FALSE(InputFile(dir.Text()).IsOpen());
    EXPECT_FALSE(InputFile(u"").IsOpen());
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
    EXPECT_EQ(Names(dir), (std::vector<std::u16string>{u"new.txt", u"old.txt", u"한글.txt"}));
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
    EXPECT_EQ(Names(dir), std::vector<std::u16string>{u"names.txt"});
}

TEST(ReplacingFile, FailsWithoutTouchingAnything) {
    TempDir dir;
    dir.WriteFile("folder/inside.txt", "keep");
    EXPECT_FALSE(Replace(dir.Join(u"missing/names.txt"), "x"));
    EXPECT_FALSE(Replace(dir.Join(u"folder"), "x"));
    EXPECT_FALSE(Replace(u"", "x"));
    EXPECT_EQ(dir.ReadFile("folder/inside.txt"), "keep");
    EXPECT_EQ(Names(dir), (std::vector<std::u16string>{u"folder"}));
}

}  // namespace
}  // namespace morvalent::platform
