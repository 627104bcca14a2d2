#include <gtest/gtest.h>

#include <optional>

#include "edits/FolderEdits.h"

namespace morvalent::edits {
namespace {

TEST(Win32FolderNameEdits, DrivesAndShares) {
    struct Case {
        const char* name;
        std::u16string newName, folder;
        bool isFolder;
        std::optional<std::u16string> inFront, behind;
    };
    const Case cases[] = {
        {"file", u"a.jpg", u"C:\\Photos\\2020", false, u"2020_a.jpg", u"a_2020.jpg"},
        {"folder row", u"src", u"C:\\Work", true, u"Work_src", u"src_Work"},
        {"file in a drive's root", u"a.txt", u"C:", false, std::nullopt, std::nullopt},
        {"network share", u"a.txt", u"\\\\server\\share", false, u"share_a.txt", u"a_share.txt"},
        {"slash is no separator", u"a.txt", u"C:/Photos", false, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PrefixFolderName(c.newName, c.folder), c.inFront);
        EXPECT_EQ(SuffixFolderName(c.newName, c.isFolder, c.folder), c.behind);
    }
}

TEST(Win32UnifiedFolderText, DriveRootLosesItsBackslash) {
    struct Case {
        std::u16string chosen, expected;
    };
    const Case cases[] = {
        {u"D:\\", u"D:"},
        {u"D:\\Photos", u"D:\\Photos"},
        {u"\\\\server\\share", u"\\\\server\\share"},
    };
    for (const Case& c : cases) EXPECT_EQ(UnifiedFolderText(c.chosen), c.expected);
}

}  // namespace
}  // namespace morvalent::edits
