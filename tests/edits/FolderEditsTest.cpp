#include <gtest/gtest.h>

#include <optional>

#include "edits/FolderEdits.h"
#include "support/TempDir.h"

namespace morvalent::edits {
namespace {

using testing::NativePath;

TEST(FolderNameEdits, Table) {
    struct Case {
        const char* name;
        std::u16string newName, folder;
        bool isFolder;
        std::optional<std::u16string> inFront, behind;
    };
    const Case cases[] = {
        {"file", u"a.jpg", NativePath(u"/Photos/2020"), false, u"2020_a.jpg", u"a_2020.jpg"},
        {"twice in front", u"2020_a.jpg", NativePath(u"/Photos/2020"), false, u"2020_2020_a.jpg",
         u"2020_a_2020.jpg"},
        {"folder row", u"src", NativePath(u"/Work"), true, u"Work_src", u"src_Work"},
        {"folder dots stay", u"release1.0", NativePath(u"/Work"), true, u"Work_release1.0",
         u"release1.0_Work"},
        {"file in the root", u"a.txt", u"", false, std::nullopt, std::nullopt},
        {"folder text without separator", u"a.txt", u"data", false, std::nullopt, std::nullopt},
        {"separator in new name", NativePath(u"x/a.txt"), NativePath(u"/p/q"), false,
         NativePath(u"q_x/a.txt"), u"a_q.txt"},
        {"share-like folder", u"a.txt", NativePath(u"//server/share"), false, u"share_a.txt",
         u"a_share.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PrefixFolderName(c.newName, c.folder), c.inFront);
        EXPECT_EQ(SuffixFolderName(c.newName, c.isFolder, c.folder), c.behind);
    }
}

TEST(UnifiedFolderText, Table) {
    struct Case {
        std::u16string chosen, expected;
    };
    const Case cases[] = {
        {u"/", u""},
        {u"/home/me", u"/home/me"},
        {u"/home/me/", u"/home/me"},
        {u"/home/me//", u"/home/me/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnifiedFolderText(NativePath(c.chosen)), NativePath(c.expected));
    }
}

}  // namespace
}  // namespace morvalent::edits
