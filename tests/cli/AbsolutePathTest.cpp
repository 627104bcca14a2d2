#include "cli/AbsolutePath.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace morvalent::cli {
namespace {

using testing::TempDir;
using testing::U16;

struct PathCase {
    const char* name;
    std::string typed;     // below the test folder
    std::string expected;  // below the test folder's real path
};

class AbsolutePathCases : public ::testing::TestWithParam<PathCase> {};

TEST_P(AbsolutePathCases, NameWhatTheSystemWouldOpen) {
    TempDir dir;
    dir.WriteFile("real/a.txt");
    std::filesystem::create_directory_symlink(dir.Path() / "real", dir.Path() / "link");
    const std::string base = std::filesystem::canonical(dir.Path()).string();
    EXPECT_EQ(AbsolutePath(U16(dir.Path().string() + "/" + GetParam().typed)),
              U16(base + GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    All, AbsolutePathCases,
    ::testing::Values(PathCase{"plain", "real/a.txt", "/real/a.txt"},
                      PathCase{"dot_parts", "./real/./a.txt", "/real/a.txt"},
                      PathCase{"trailing_separators", "real//", "/real"},
                      PathCase{"parent_part", "real/../real/a.txt", "/real/a.txt"},
                      PathCase{"ends_in_parent", "real/..", ""},
                      PathCase{"link_itself_is_kept", "link", "/link"},
                      PathCase{"link_above_is_resolved", "link/a.txt", "/real/a.txt"},
                      PathCase{"parent_of_a_link_is_the_target_s", "link/../real/a.txt",
                               "/real/a.txt"},
                      PathCase{"missing_folder_by_text", "gone/../x/./y/", "/x/y"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AbsolutePath, RelativeToTheWorkingFolder) {
    TempDir dir;
    dir.MakeFolder("sub");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path() / "sub");
    const std::u16string resolved = AbsolutePath(u"b.txt");
    std::filesystem::current_path(previous);
    EXPECT_EQ(resolved, U16(std::filesystem::canonical(dir.Path()).string() + "/sub/b.txt"));
}

TEST(AbsolutePath, RootStaysRoot) { EXPECT_EQ(AbsolutePath(u"/"), u"/"); }

}  // namespace
}  // namespace morvalent::cli
