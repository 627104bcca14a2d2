// The item a typed path names is the item on disk, spelled as stored there.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/NameRules.h"
#include "platform/Path.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;

std::wstring Extended(const std::u16string& path) {
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

// Created through the extended form, which keeps a trailing dot or space.
void Create(const std::u16string& path) {
    const std::wstring wide = Extended(path);
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
}

TEST(Win32ItemOnDisk, TypedSpellingsResolveToTheStoredName) {
    TempDir dir;
    const std::u16string folder = NormalisePath(dir.Text());
    // The C++ library cannot remove names Windows would trim, and spins trying.
    struct Remover {
        std::u16string folder;
        ~Remover() {
            for (const char16_t* name : {u"\\trail ", u"\\dot."}) {
                DeleteFileW(Extended(folder + name).c_str());
            }
        }
    } remover{folder};
    Create(folder + u"\\a.txt");
    Create(folder + u"\\longfilename_document.txt");
    Create(folder + u"\\trail");
    Create(folder + u"\\trail ");
    Create(folder + u"\\dot.");
    std::wstring shortName(MAX_PATH, L'\0');
    const std::u16string longPath = folder + u"\\longfilename_document.txt";
    const DWORD length = GetShortPathNameW(std::wstring(longPath.begin(), longPath.end()).c_str(),
                                           shortName.data(), MAX_PATH);
    shortName.resize(length);
    struct Row {
        const char* name;
        std::u16string typed, expected;
    };
    const Row rows[] = {
        {"letter case", folder + u"\\A.TXT", folder + u"\\a.txt"},
        {"short name", std::u16string(shortName.begin(), shortName.end()), longPath},
        {"trailing space kept", folder + u"\\trail ", folder + u"\\trail "},
        {"trailing dot kept", folder + u"\\dot.", folder + u"\\dot."},
        {"plain neighbour", folder + u"\\trail", folder + u"\\trail"},
        {"extended form", u"\\\\?\\" + folder + u"\\A.txt", folder + u"\\a.txt"},
        {"missing stays typed", folder + u"\\Missing.TXT", folder + u"\\Missing.TXT"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(NormalisePath(row.typed), row.expected);
    }
}

TEST(Win32ItemOnDisk, WildcardsMatchLikeWindowsPrograms) {
    TempDir dir;
    dir.WriteFile("a.JPG");
    dir.WriteFile("b.jpg");
    dir.WriteFile("c.jpeg");
    dir.WriteFile("hidden.jpg");
    const std::u16string hidden = dir.Join(u"hidden.jpg");
    SetFileAttributesW(std::wstring(hidden.begin(), hidden.end()).c_str(), FILE_ATTRIBUTE_HIDDEN);
    const std::u16string folder = dir.Text() + u"\\";
    auto found = ExpandPathArgument(folder + u"*.jpg");
    std::sort(found.begin(), found.end());
    const std::vector<std::u16string> expected = {folder + u"a.JPG", folder + u"b.jpg",
                                                  folder + u"hidden.jpg"};
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(ExpandPathArgument(folder + u"*.png").empty());
    EXPECT_EQ(ExpandPathArgument(folder + u"plain.txt"),
              std::vector<std::u16string>{folder + u"plain.txt"});
    // As typed at a prompt: relative to the current folder.
    const std::u16string text = dir.Text();
    const std::wstring wide(text.begin(), text.end());
    ASSERT_TRUE(SetCurrentDirectoryW(wide.c_str()));
    found = ExpandPathArgument(u"*.JPG");
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::u16string>{u"a.JPG", u"b.jpg", u"hidden.jpg"}));
    SetCurrentDirectoryW(L"C:\\");
}

TEST(Win32ItemOnDisk, NamesIgnoreCaseAcrossUnicodeAndDevicesAreRefused) {
    EXPECT_EQ(NameOnDiskKey(u"été.txt"), NameOnDiskKey(u"ÉTÉ.TXT"));
    EXPECT_EQ(NameOnDiskKey(u"Ωmega"), NameOnDiskKey(u"ωmega"));
    EXPECT_EQ(PathIdentityKey(u"C:\\t\\été.txt"), PathIdentityKey(u"C:\\T\\ÉTÉ.txt"));
    for (const char16_t* device :
         {u"CONIN$", u"conout$.txt", u"CLOCK$", u"COM\u00B9", u"nul .txt"}) {
        EXPECT_EQ(CheckTargetName(u"C:\\t", device), NameFault::Forbidden);
    }
}

TEST(Win32ItemOnDisk, ANewFileUnderAReusedNumberIsAnotherItem) {
    TempDir dir;
    dir.WriteFile("a.txt", "first");
    auto fs = MakeNativeFileSystem();
    const auto before = fs->ReadIdentity(dir.Join(u"a.txt"));
    ASSERT_TRUE(before.has_value());
    EXPECT_NE(before->birth, kUnknownTime);
    ASSERT_EQ(fs->MoveNoReplace(dir.Join(u"a.txt"), dir.Join(u"b.txt")).result, MoveResult::Moved);
    EXPECT_EQ(fs->ReadIdentity(dir.Join(u"b.txt")), before);
    const std::u16string b = dir.Join(u"b.txt");
    ASSERT_TRUE(DeleteFileW(std::wstring(b.begin(), b.end()).c_str()));
    // A creation time of its own, even where the number comes back.
    dir.WriteFile("b.txt", "stranger");
    EXPECT_NE(fs->ReadIdentity(b), before);
}

}  // namespace
}  // namespace morvalent::platform
