#include <gtest/gtest.h>

#include "edits/ExtensionEdits.h"
#include "support/TempDir.h"

namespace morvalent::edits {
namespace {

using testing::NativePath;

TEST(DeleteExtension, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        std::u16string expected;
    };
    const Case cases[] = {
        {"last extension", u"report.final.doc", false, u"report.final"},
        {"no dot", u"README", false, u"README"},
        {"folder keeps dots", u"backup.2020", true, u"backup.2020"},
        {"only dot first", u".profile", false, u""},
        {"separator in new name", NativePath(u"a/b.txt"), false, u"b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DeleteExtension(c.text, c.isFolder), c.expected);
    }
}

TEST(ExtensionText, Table) {
    struct Case {
        std::u16string typed, expected;
    };
    const Case cases[] = {
        {u"bak", u".bak"},   {u".bak", u".bak"}, {u"..bak", u"..bak"},
        {u" bak", u". bak"}, {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(ExtensionText(c.typed), c.expected);
}

TEST(AddAndChangeExtension, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        std::u16string extension, added, changed;
    };
    const Case cases[] = {
        {"file", u"a.txt", false, u".bak", u"a.txt.bak", u"a.bak"},
        {"double dot", u"a.txt", false, u"..bak", u"a.txt..bak", u"a..bak"},
        {"jpeg", u"photo.jpeg", false, u".jpg", u"photo.jpeg.jpg", u"photo.jpg"},
        {"two dots", u"archive.tar.gz", false, u".jpg", u"archive.tar.gz.jpg", u"archive.tar.jpg"},
        {"no dot", u"README", false, u".jpg", u"README.jpg", u"README.jpg"},
        {"folder", u"album.2020", true, u".jpg", u"album.2020.jpg", u"album.2020.jpg"},
        {"separator in new name", NativePath(u"a/b.txt"), false, u".md", NativePath(u"a/b.txt.md"),
         u"b.md"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AddExtension(c.text, c.extension), c.added);
        EXPECT_EQ(ChangeExtension(c.text, c.isFolder, c.extension), c.changed);
    }
}

}  // namespace
}  // namespace morvalent::edits
