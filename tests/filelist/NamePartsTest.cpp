#include <gtest/gtest.h>

#include "filelist/NameParts.h"
#include "support/TempDir.h"

namespace morvalent::filelist {
namespace {

TEST(NameParts, WorkedCases) {
    struct Row {
        std::u16string text;
        bool isFolder;
        std::u16string folder, whole, withoutExtension, extension;
    };
    const Row rows[] = {
        {u"/Docs/report.final.txt", false, u"/Docs", u"report.final.txt", u"report.final", u".txt"},
        {u"/Docs/README", false, u"/Docs", u"README", u"README", u""},
        {u"archive.", false, u"", u"archive.", u"archive", u"."},
        {u".profile", false, u"", u".profile", u"", u".profile"},
        {u"photo.JPG", false, u"", u"photo.JPG", u"photo", u".JPG"},
        {u"/Photos/Vol.2", true, u"/Photos", u"Vol.2", u"Vol.2", u""},
        // A file in the root has an empty folder part.
        {u"/a.txt", false, u"", u"a.txt", u"a", u".txt"},
        // The last dot lies in the folder part: no name without extension.
        {u"/v1.0/README", false, u"/v1.0", u"README", u"", u".0/README"},
        {u"/dir/", false, u"/dir", u"", u"", u""},
        {u"", false, u"", u"", u"", u""},
    };
    using testing::NativePath;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
        const std::u16string text = NativePath(row.text);
        EXPECT_EQ(GetFolderPart(text), NativePath(row.folder));
        EXPECT_EQ(GetNamePart(text, true), row.whole);
        EXPECT_EQ(GetNamePart(text, row.isFolder), row.withoutExtension);
        EXPECT_EQ(GetExtension(text, row.isFolder), NativePath(row.extension));
    }
}

}  // namespace
}  // namespace morvalent::filelist
