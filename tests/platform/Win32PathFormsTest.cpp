#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/win32/PathForms.h"
#include "platform/win32/Win32FileSystem.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;

// A file made through the extended-length form, so its name is kept exactly.
void MakeExactFile(const std::u16string& path, const std::string& bytes) {
    const auto wide = ExtendedPath(path);
    ASSERT_TRUE(wide);
    HANDLE file = CreateFileW(wide->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::vector<std::u16string> SortedNamesIn(FileSystem& fs, const std::u16string& folder) {
    std::vector<FolderItem> items;
    EXPECT_TRUE(fs.ListFolder(folder, items));
    std::vector<std::u16string> names;
    for (const FolderItem& item : items) names.push_back(item.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Win32PathForms, ExtendedLengthForm) {
    struct Row {
        std::u16string path;
        std::wstring expected;
    };
    const Row rows[] = {
        {u"C:\\a\\abc.", L"\\\\?\\C:\\a\\abc."},
        {u"C:\\a\\xyz ", L"\\\\?\\C:\\a\\xyz "},
        {u"C:/a/./b/../c.txt", L"\\\\?\\C:\\a\\c.txt"},
        {u"C:\\a\\\\b\\", L"\\\\?\\C:\\a\\b\\"},
        {u"C:\\", L"\\\\?\\C:\\"},
        {u"\\\\server\\share\\x.txt", L"\\\\?\\UNC\\server\\share\\x.txt"},
        {u"\\\\?\\C:\\a.", L"\\\\?\\C:\\a."},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ExtendedPath(row.path), row.expected) << ::testing::PrintToString(row.path);
    }
}

TEST(Win32PathForms, PathListLinesAsWindowsReadsThem) {
    struct Row {
        const char* name;
        std::u16string list;
        std::u16string line;
        std::u16string expected;
    };
    const Row rows[] = {
        {"relative", u"D:\\lists\\l.txt", u"x.txt", u"D:\\lists\\x.txt"},
        {"relative with '/'", u"D:\\lists\\l.txt", u"sub/x.txt", u"D:\\lists\\sub\\x.txt"},
        {"list named with '/'", u"D:/lists/l.txt", u"x.txt", u"D:\\lists\\x.txt"},
        {"rooted", u"D:\\lists\\l.txt", u"\\tmp\\x", u"D:\\tmp\\x"},
        {"rooted on a share", u"\\\\srv\\share\\lists\\l.txt", u"\\tmp\\x",
         u"\\\\srv\\share\\tmp\\x"},
        {"absolute", u"D:\\lists\\l.txt", u"E:\\a\\b.", u"E:\\a\\b."},
        // The tests run on drive Z; drive C's current folder is its root.
        {"drive-relative", u"D:\\lists\\l.txt", u"C:data\\x", u"C:\\data\\x"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PathBesideFile(row.list, row.line), row.expected) << row.name;
    }
}

TEST(Win32PathForms, TrailingDotAndSpaceNameTheirOwnFiles) {
    TempDir dir;
    for (const char16_t* name : {u"abc.", u"abc", u"xyz ", u"xyz"}) {
        MakeExactFile(dir.Join(name), testing::U8(name));
    }
    auto fs = MakeNativeFileSystem();
    EXPECT_EQ(fs->ReadInfo(dir.Join(u"abc."))->size, 4u);
    EXPECT_EQ(fs->ReadInfo(dir.Join(u"xyz "))->size, 4u);
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"abc."), dir.Join(u"abc2.txt")).result,
              MoveResult::Moved);
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"xyz "), dir.Join(u"xyz2.txt")).result,
              MoveResult::Moved);
    EXPECT_EQ(SortedNamesIn(*fs, dir.Text()),
              (std::vector<std::u16string>{u"abc", u"abc2.txt", u"xyz", u"xyz2.txt"}));
    EXPECT_EQ(dir.ReadFile("abc2.txt"), "abc.");
    EXPECT_EQ(dir.ReadFile("xyz2.txt"), "xyz ");
}

TEST(Win32PathForms, LongPathsAreReachable) {
    TempDir dir;
    std::u16string folder = dir.Text();
    while (folder.size() < 300) {
        folder += u"\\" + std::u16string(40, u'f');
        const auto wide = ExtendedPath(folder);
        ASSERT_TRUE(CreateDirectoryW(wide->c_str(), nullptr)) << GetLastError();
    }
    MakeExactFile(folder + u"\\a.txt", "long");
    auto fs = MakeNativeFileSystem();
    EXPECT_EQ(fs->IsFolder(folder), true);
    EXPECT_EQ(fs->MoveNoReplace(folder + u"\\a.txt", folder + u"\\b.txt").result,
              MoveResult::Moved);
    EXPECT_EQ(SortedNamesIn(*fs, folder), std::vector<std::u16string>{u"b.txt"});
    EXPECT_EQ(fs->MoveNoReplace(folder + u"\\b.txt", dir.Join(u"b.txt")).result, MoveResult::Moved);
    EXPECT_EQ(dir.ReadFile("b.txt"), "long");
    // Removed here: the temporary folder's own clean-up takes plain paths.
    while (folder.size() > dir.Text().size()) {
        EXPECT_TRUE(RemoveDirectoryW(ExtendedPath(folder)->c_str()));
        folder.resize(folder.rfind(u'\\'));
    }
}

TEST(Win32PathForms, MoveReportedDoneMustHaveMovedTheSource) {
    // On plain paths "q " and "q" are one file: the system may call the move done
    // although nothing changed.
    TempDir dir;
    dir.WriteFile("q", "Q");
    const std::u16string folder = dir.Text();
    const std::wstring wide(folder.begin(), folder.end());
    EXPECT_NE(MoveNoReplaceNative(wide + L"\\q ", wide + L"\\q").result, MoveResult::Moved);
    EXPECT_EQ(dir.ReadFile("q"), "Q");
}

}  // namespace
}  // namespace morvalent::platform
