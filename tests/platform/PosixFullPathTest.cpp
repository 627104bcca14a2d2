#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Path.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;
using testing::U16;

struct LinkCase {
    const char* name;
    std::string typed;     // below the test folder
    std::string expected;  // below the test folder's real path
};

class PosixFullPathLinks : public ::testing::TestWithParam<LinkCase> {};

TEST_P(PosixFullPathLinks, FoldersAboveAreResolvedTheItemIsKept) {
    TempDir dir;
    dir.WriteFile("real/a.txt");
    std::filesystem::create_directory_symlink(dir.Path() / "real", dir.Path() / "link");
    const std::string base = std::filesystem::canonical(dir.Path()).string();
    EXPECT_EQ(FullPath(U16(dir.Path().string() + "/" + GetParam().typed)),
              U16(base + GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(All, PosixFullPathLinks,
                         ::testing::Values(LinkCase{"link_itself_is_kept", "link", "/link"},
                                           LinkCase{"link_above_is_resolved", "link/a.txt",
                                                    "/real/a.txt"},
                                           LinkCase{"parent_of_a_link_is_the_target_s",
                                                    "link/../real/a.txt", "/real/a.txt"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PosixFullPath, RootStaysRoot) { EXPECT_EQ(FullPath(u"/"), u"/"); }

TEST(PosixFullPath, NameThatIsNotUtf8KeepsItsBytes) {
    TempDir dir;
    const std::string raw = "raw-\xFF.txt";
    dir.WriteFile(raw);
    EXPECT_EQ(FullPath(U16(dir.Path().string() + "/" + raw)),
              U16(std::filesystem::canonical(dir.Path()).string() + "/" + raw));
}

// A path already in the one form is handed back where it is, never copied.
TEST(PosixNormalisePath, KeepsAPathAlreadyInForm) {
    struct Row {
        const char* name;
        std::u16string_view path;
        std::u16string_view expected;
        bool kept;
    };
    const Row rows[] = {
        {"root", u"/", u"/", true},
        {"plain", u"/a/b.txt", u"/a/b.txt", true},
        {"dots inside names", u"/a/.b/c..", u"/a/.b/c..", true},
        {"empty", u"", u"", true},
        {"trailing separator", u"/a/b/", u"/a/b", false},
        {"doubled separator", u"/a//b", u"/a/b", false},
        {"dot part", u"/a/./b", u"/a/b", false},
        {"dot at the end", u"/a/.", u"/a", false},
        {"only separators", u"//", u"/", false},
    };
    for (const Row& row : rows) {
        std::u16string room;
        const std::u16string_view form = NormalisePath(row.path, room);
        EXPECT_EQ(form, row.expected) << row.name;
        EXPECT_EQ(form.data() == row.path.data(), row.kept) << row.name;
    }
}

}  // namespace
}  // namespace morvalent::platform
