#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filelist/FileList.h"
#include "organise/Sorting.h"
#include "platform/Collation.h"
#include "support/TempDir.h"

namespace morvalent::organise {
namespace {

using testing::U16;

// The Korean tailoring of the collation library puts Hangul before Latin letters.
TEST(PosixSorting, HangulBeforeLatinInKoreanOrder) {
    filelist::PlainIconSource source;
    filelist::IconCache icons{source};
    filelist::FileList list{icons};
    for (const char* path :
         {"/k/다람쥐.txt", "/k/zebra.txt", "/k/가방.txt", "/k/나무.txt", "/k/Apple.txt"}) {
        filelist::FileEntry entry;
        entry.path = U16(path);
        list.InsertEntryRow(entry);
    }
    platform::SetCollationLocale("ko");
    SortRows(list, {SortKey::Name, SortDirection::Ascending});
    platform::SetCollationLocale("");
    std::vector<std::u16string> paths;
    for (std::size_t i = 0; i < list.Count(); ++i) paths.push_back(list.Entry(i).path);
    EXPECT_EQ(paths, (std::vector<std::u16string>{U16("/k/가방.txt"), U16("/k/나무.txt"),
                                                  U16("/k/다람쥐.txt"), u"/k/Apple.txt",
                                                  u"/k/zebra.txt"}));
}

}  // namespace
}  // namespace morvalent::organise
