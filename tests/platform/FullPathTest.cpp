#include "platform/Path.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::NativePath;
using testing::TempDir;

struct PathCase {
    const char* name;
    std::u16string typed;     // below the test folder
    std::u16string expected;  // below the test folder's real path
};

class FullPathCases : public ::testing::TestWithParam<PathCase> {};

TEST_P(FullPathCases, NameWhatTheSystemWouldOpen) {
    TempDir dir;
    dir.WriteFile("real/a.txt");
    const std::u16string base = std::filesystem::canonical(dir.Path()).u16string();
    EXPECT_EQ(FullPath(dir.Join(GetParam().typed)), base + NativePath(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    All, FullPathCases,
    ::testing::Values(PathCase{"plain", u"real/a.txt", u"/real/a.txt"},
                      PathCase{"dot_parts", u"./real/./a.txt", u"/real/a.txt"},
                      PathCase{"trailing_separators", u"real//", u"/real"},
                      PathCase{"parent_part", u"real/../real/a.txt", u"/real/a.txt"},
                      PathCase{"ends_in_parent", u"real/..", u""},
                      PathCase{"missing_folder_by_text", u"gone/../x/./y/", u"/x/y"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FullPath, RelativeToTheWorkingFolder) {
    TempDir dir;
    dir.MakeFolder("sub");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path() / "sub");
    const std::u16string resolved = FullPath(u"b.txt");
    std::filesystem::current_path(previous);
    EXPECT_EQ(resolved,
              std::filesystem::canonical(dir.Path()).u16string() + NativePath(u"/sub/b.txt"));
}

}  // namespace
}  // namespace morvalent::platform
