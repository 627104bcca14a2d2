#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "filelist/FileList.h"
#include "filelist/NameRewrite.h"
#include "support/ListTexts.h"
#include "support/TempDir.h"

namespace morvalent::filelist {
namespace {

using Names = std::vector<std::u16string>;

TEST(NameRewrite, KeepsTheNewNamesOrPutsEveryOldOneBack) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::size_t, std::u16string>> sets;
        bool keep;
        Names expected;
    };
    const Case cases[] = {
        {"kept: longer, shorter, one row left out",
         {{0, u"a-much-longer-name.txt"}, {2, u"c"}},
         true,
         {u"a-much-longer-name.txt", u"bb.txt", u"c"}},
        {"not kept: longer and shorter names go back",
         {{0, u"a-much-longer-name.txt"}, {1, u""}, {2, u"c"}},
         false,
         {u"a.txt", u"bb.txt", u"ccc.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlainIconSource source;
        IconCache icons{source};
        FileList list(icons);
        for (const char16_t* path : {u"/d/a.txt", u"/d/bb.txt", u"/d/ccc.txt"}) {
            FileEntry entry;
            entry.path = testing::NativePath(path);
            list.InsertEntryRow(entry);
        }
        {
            NameRewrite rewrite(list);
            for (const auto& [row, name] : c.sets) rewrite.Set(row, name);
            if (c.keep) rewrite.Keep();
        }
        EXPECT_EQ(testing::NewNames(list), c.expected);
    }
}

}  // namespace
}  // namespace morvalent::filelist
