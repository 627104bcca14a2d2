#include <gtest/gtest.h>

#include "edits/TextEdits.h"
#include "support/TempDir.h"

namespace morvalent::edits {
namespace {

using testing::NativePath;

TEST(ReplaceString, Table) {
    struct Case {
        const char* name;
        std::u16string text, find, replacement, expected;
    };
    const Case cases[] = {
        {"every occurrence", u"Banana.txt", u"a", u"b", u"Bbnbnb.txt"},
        {"case matters", u"Banana.txt", u"A", u"b", u"Banana.txt"},
        {"extension dot too", u"a.b.txt", u".", u"_", u"a_b_txt"},
        {"one pass, no overlap", u"aaaa", u"aa", u"a", u"aa"},
        {"inserted text not searched again", u"ab", u"a", u"aa", u"aab"},
        {"empty find leaves text", u"photo.jpg", u"", u"x", u"photo.jpg"},
        {"empty replacement deletes", u"a-b-c", u"-", u"", u"abc"},
        {"whole text", u"abc", u"abc", u"XYZ", u"XYZ"},
        {"Korean", u"사진 001.jpg", u"사진", u"photo", u"photo 001.jpg"},
        {"empty text", u"", u"a", u"b", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReplaceString(c.text, c.find, c.replacement), c.expected);
    }
}

TEST(AddPrefixAndSuffix, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        std::u16string added, prefixed, suffixed;
    };
    const Case cases[] = {
        {"file", u"photo.jpg", false, u"x", u"xphoto.jpg", u"photox.jpg"},
        {"suffix before last dot", u"photo.jpg", false, u"_1", u"_1photo.jpg", u"photo_1.jpg"},
        {"two dots", u"archive.tar.gz", false, u"_1", u"_1archive.tar.gz", u"archive.tar_1.gz"},
        {"no dot", u"README", false, u"_1", u"_1README", u"README_1"},
        {"folder keeps its dots", u"Vol.2", true, u"_1", u"_1Vol.2", u"Vol.2_1"},
        {"folder", u"Docs", true, u"x", u"xDocs", u"Docsx"},
        {"only dot first", u".profile", false, u"_1", u"_1.profile", u"_1.profile"},
        {"empty text added", u"photo.jpg", false, u"", u"photo.jpg", u"photo.jpg"},
        {"separator in new name", NativePath(u"a/b.txt"), false, u"_1", NativePath(u"_1a/b.txt"),
         u"b_1.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AddPrefix(c.text, c.added), c.prefixed);
        EXPECT_EQ(AddSuffix(c.text, c.isFolder, c.added), c.suffixed);
    }
}

TEST(EraseName, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        std::u16string expected;
    };
    const Case cases[] = {
        {"file keeps extension", u"photo.jpg", false, u".jpg"},
        {"no dot", u"README", false, u""},
        {"folder", u"Vol.2", true, u""},
        {"last dot only", u"archive.tar.gz", false, u".gz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EraseName(c.text, c.isFolder), c.expected);
    }
}

}  // namespace
}  // namespace morvalent::edits
