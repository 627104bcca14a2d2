#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/TextFiles.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;

bool ReplaceContents(std::u16string_view path, std::string_view bytes) {
    ReplacingFile file(path);
    return file.IsOpen() && file.Write(bytes) && file.Commit();
}

DWORD Attributes(const std::u16string& path) {
    return GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.c_str()));
}

bool SetAttributes(const std::u16string& path, DWORD attributes) {
    return SetFileAttributesW(reinterpret_cast<const wchar_t*>(path.c_str()), attributes) != 0;
}

TEST(Win32InputFile, DevicesAreNotFiles) {
    EXPECT_FALSE(InputFile(u"NUL").IsOpen());
    TempDir dir;
    EXPECT_FALSE(InputFile(dir.Join(u"CON")).IsOpen());
}

TEST(Win32ReplacingFile, LeavesAReadOnlyFile) {
    TempDir dir;
    dir.WriteFile("locked.txt", "keep");
    const std::u16string path = dir.Join(u"locked.txt");
    ASSERT_TRUE(SetAttributes(path, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(ReplaceContents(path, "x"));
    EXPECT_EQ(dir.ReadFile("locked.txt"), "keep");
    SetAttributes(path, FILE_ATTRIBUTE_NORMAL);  // so that the folder can go
}

TEST(Win32ReplacingFile, KeepsTheHiddenMark) {
    TempDir dir;
    dir.WriteFile("hidden.txt", "old");
    const std::u16string path = dir.Join(u"hidden.txt");
    ASSERT_TRUE(SetAttributes(path, FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(ReplaceContents(path, "new"));
    EXPECT_EQ(dir.ReadFile("hidden.txt"), "new");
    EXPECT_NE(Attributes(path) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

}  // namespace
}  // namespace morvalent::platform
