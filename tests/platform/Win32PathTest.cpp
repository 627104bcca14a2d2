#include <gtest/gtest.h>

#include "platform/Path.h"

namespace morvalent::platform {
namespace {

TEST(Win32Path, SeparatorIsBackslash) { EXPECT_EQ(kPathSeparator, u'\\'); }

TEST(Win32Path, IdentityIgnoresCaseAsTheFileSystemDoes) {
    struct Row {
        const char* name;
        std::u16string a;
        std::u16string b;
        bool same;
    };
    const Row rows[] = {
        {"ascii letters", u"C:\\A.TXT", u"c:\\a.txt", true},
        {"network share", u"\\\\Server\\Share\\Report.doc", u"\\\\server\\share\\REPORT.DOC", true},
        {"accented letters", u"C:\\\u00C9t\u00E9.txt", u"C:\\\u00E9t\u00E9.txt", true},
        {"fullwidth letters", u"C:\\\uFF21", u"C:\\\uFF41", true},
        {"greek letters", u"C:\\\u03A3", u"C:\\\u03C3", true},
        {"separators are not unified", u"C:\\a\\b", u"C:/a/b", false},
        {"trailing dot kept", u"C:\\a.", u"C:\\a", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PathIdentityKey(row.a) == PathIdentityKey(row.b), row.same) << row.name;
    }
}

TEST(Win32Path, AbsoluteWithADriveOrAShare) {
    struct Row {
        std::u16string path;
        bool absolute;
    };
    const Row rows[] = {
        {u"C:\\a.txt", true},    {u"d:/a.txt", true},
        {u"C:\\", true},         {u"\\\\server\\share", true},
        {u"\\\\?\\C:\\a", true}, {u"C:a.txt", false},
        {u"C:", false},          {u"\\a.txt", false},
        {u"a\\b.txt", false},    {u".\\a.txt", false},
        {u"1:\\a", false},       {u"", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(IsAbsolutePath(row.path), row.absolute) << ::testing::PrintToString(row.path);
    }
}

}  // namespace
}  // namespace morvalent::platform
