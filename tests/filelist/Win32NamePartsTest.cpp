#include <gtest/gtest.h>

#include "filelist/NameParts.h"

namespace morvalent::filelist {
namespace {

TEST(Win32NameParts, WorkedCases) {
    struct Row {
        std::u16string text;
        bool isFolder;
        std::u16string folder, whole, withoutExtension, extension;
    };
    const Row rows[] = {
        {u"C:\\Docs\\report.final.txt", false, u"C:\\Docs", u"report.final.txt", u"report.final",
         u".txt"},
        {u"C:\\Docs\\README", false, u"C:\\Docs", u"README", u"README", u""},
        {u"archive.", false, u"", u"archive.", u"archive", u"."},
        {u".profile", false, u"", u".profile", u"", u".profile"},
        {u"photo.JPG", false, u"", u"photo.JPG", u"photo", u".JPG"},
        {u"C:\\Photos\\Vol.2", true, u"C:\\Photos", u"Vol.2", u"Vol.2", u""},
        // A file in a drive's root has the drive alone as its folder.
        {u"C:\\a.txt", false, u"C:", u"a.txt", u"a", u".txt"},
        {u"D:\\", true, u"D:", u"", u"", u""},
        // On a network share the folder is the share path.
        {u"\\\\server\\share\\docs\\a.txt", false, u"\\\\server\\share\\docs", u"a.txt", u"a",
         u".txt"},
        {u"\\\\server\\share\\a.txt", false, u"\\\\server\\share", u"a.txt", u"a", u".txt"},
        // The last dot lies in the folder part.
        {u"C:\\v1.0\\README", false, u"C:\\v1.0", u"README", u"", u".0\\README"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
        EXPECT_EQ(GetFolderPart(row.text), row.folder);
        EXPECT_EQ(GetNamePart(row.text, true), row.whole);
        EXPECT_EQ(GetNamePart(row.text, row.isFolder), row.withoutExtension);
        EXPECT_EQ(GetExtension(row.text, row.isFolder), row.extension);
    }
}

}  // namespace
}  // namespace morvalent::filelist
