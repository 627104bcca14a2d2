#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "filelist/FileList.h"
#include "organise/SortSpec.h"
#include "organise/Sorting.h"
#include "platform/Collation.h"
#include "platform/Path.h"
#include "support/ListRecorder.h"
#include "support/TempDir.h"

namespace morvalent::organise {
namespace {

using filelist::ColCreated;
using filelist::ColCurrentName;
using filelist::ColFullPath;
using filelist::ColModified;
using filelist::ColSize;
using filelist::FileEntry;
using testing::NativePath;
using testing::U16;

constexpr std::uint64_t kGiB = 1ull << 30;

FileEntry SortingEntry(std::u16string path, std::uint64_t size = 0, platform::FileTime modified = 0,
                       platform::FileTime created = platform::kUnknownTime) {
    FileEntry e;
    e.path = NativePath(path);
    e.size = size;
    e.lastWriteTime = modified;
    e.creationTime = created;
    return e;
}

struct SortingTest : ::testing::Test {
    void SetUp() override { platform::SetCollationLocale(""); }
    void TearDown() override { platform::SetCollationLocale(""); }

    void Add(const std::vector<FileEntry>& entries) {
        for (const auto& e : entries) list.InsertEntryRow(e);
    }
    // The paths in row order, written with '/' like the expectations.
    std::vector<std::u16string> Paths() const {
        std::vector<std::u16string> paths;
        for (std::size_t i = 0; i < list.Count(); ++i) {
            std::u16string path = list.Entry(i).path;
            std::replace(path.begin(), path.end(), platform::kPathSeparator, u'/');
            paths.push_back(std::move(path));
        }
        return paths;
    }

    filelist::PlainIconSource source;
    filelist::IconCache icons{source};
    filelist::FileList list{icons};
};

struct OrderCase {
    const char* name;
    SortSpec spec;
    std::vector<FileEntry> entries;
    std::vector<std::u16string> expected;  // paths in their sorted order
};

TEST_F(SortingTest, OrdersByEachKey) {
    const std::vector<OrderCase> cases = {
        {"name, digits compare as characters",
         {SortKey::Name, SortDirection::Ascending},
         {SortingEntry(u"/a/file2.txt"), SortingEntry(u"/b/file10.txt"),
          SortingEntry(u"/c/File1.txt")},
         {u"/c/File1.txt", u"/b/file10.txt", u"/a/file2.txt"}},
        {"name takes the extension into account and not the folder",
         {SortKey::Name, SortDirection::Ascending},
         {SortingEntry(u"/z/b.txt"), SortingEntry(u"/a/b.doc"), SortingEntry(u"/m/a.txt")},
         {u"/m/a.txt", u"/a/b.doc", u"/z/b.txt"}},
        {"name descending",
         {SortKey::Name, SortDirection::Descending},
         {SortingEntry(u"/a/file2.txt"), SortingEntry(u"/b/file10.txt"),
          SortingEntry(u"/c/File1.txt")},
         {u"/a/file2.txt", u"/b/file10.txt", u"/c/File1.txt"}},
        {"path",
         {SortKey::Path, SortDirection::Ascending},
         {SortingEntry(u"/b/a.txt"), SortingEntry(u"/a/z.txt"), SortingEntry(u"/A/m.txt")},
         {u"/A/m.txt", u"/a/z.txt", u"/b/a.txt"}},
        {"path, long shared beginnings and names that begin others",
         {SortKey::Path, SortDirection::Ascending},
         {SortingEntry(u"/same/folder/abcdefghij2"), SortingEntry(u"/same/folder/abcdefghij10"),
          SortingEntry(u"/same/folder/abcdefghij1"), SortingEntry(u"/same/folder/abc"),
          SortingEntry(u"/same/folder/ABCDEFGHIJ1"), SortingEntry(u"/same/folder/")},
         {u"/same/folder/", u"/same/folder/abc", u"/same/folder/abcdefghij1",
          u"/same/folder/ABCDEFGHIJ1", u"/same/folder/abcdefghij10", u"/same/folder/abcdefghij2"}},
        {"path descending",
         {SortKey::Path, SortDirection::Descending},
         {SortingEntry(u"/b/a.txt"), SortingEntry(u"/a/z.txt"), SortingEntry(u"/a/y.txt")},
         {u"/b/a.txt", u"/a/z.txt", u"/a/y.txt"}},
        {"size as an unsigned 64-bit number",
         {SortKey::Size, SortDirection::Ascending},
         {SortingEntry(u"/3g", 3 * kGiB), SortingEntry(u"/100", 100),
          SortingEntry(u"/5g", 5 * kGiB), SortingEntry(u"/0", 0),
          SortingEntry(u"/2g", 2 * kGiB + 1)},
         {u"/0", u"/100", u"/2g", u"/3g", u"/5g"}},
        {"size descending",
         {SortKey::Size, SortDirection::Descending},
         {SortingEntry(u"/100", 100), SortingEntry(u"/3g", 3 * kGiB),
          SortingEntry(u"/max", UINT64_MAX)},
         {u"/max", u"/3g", u"/100"}},
        {"modification time",
         {SortKey::Modified, SortDirection::Ascending},
         {SortingEntry(u"/late", 0, 132000000000000000), SortingEntry(u"/zero", 0, 0),
          SortingEntry(u"/early", 0, 116444736000000000)},
         {u"/zero", u"/early", u"/late"}},
        {"creation time, unknown first",
         {SortKey::Created, SortDirection::Ascending},
         {SortingEntry(u"/known", 0, 0, 116444736000000000), SortingEntry(u"/zero", 0, 0, 0),
          SortingEntry(u"/unknown", 0, 0, platform::kUnknownTime)},
         {u"/unknown", u"/zero", u"/known"}},
        {"creation time descending, unknown last",
         {SortKey::Created, SortDirection::Descending},
         {SortingEntry(u"/unknown", 0, 0, platform::kUnknownTime),
          SortingEntry(u"/known", 0, 0, 5)},
         {u"/known", u"/unknown"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list.Clear();
        Add(c.entries);
        SortRows(list, c.spec);
        EXPECT_EQ(Paths(), c.expected);
    }
}

TEST_F(SortingTest, EqualKeysKeepTheirOrderInBothDirections) {
    // ABC.txt and abc.txt are equal by name; same size rows are equal by size.
    Add({SortingEntry(u"/1/abc.txt", 7), SortingEntry(u"/2/b.txt", 5),
         SortingEntry(u"/3/ABC.txt", 7)});
    EXPECT_EQ(
        CompareEntries(list.Entry(0), list.Entry(2), {SortKey::Name, SortDirection::Ascending}), 0);
    SortRows(list, {SortKey::Name, SortDirection::Ascending});
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{u"/1/abc.txt", u"/3/ABC.txt", u"/2/b.txt"}));
    SortRows(list, {SortKey::Name, SortDirection::Descending});
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{u"/2/b.txt", u"/1/abc.txt", u"/3/ABC.txt"}));
    SortRows(list, {SortKey::Size, SortDirection::Descending});
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{u"/1/abc.txt", u"/3/ABC.txt", u"/2/b.txt"}));
}

TEST_F(SortingTest, DescendingIsTheExactReverseWhereKeysDiffer) {
    Add({SortingEntry(u"/d/delta"), SortingEntry(u"/a/Alpha"), SortingEntry(u"/c/charlie"),
         SortingEntry(u"/b/bravo"), SortingEntry(u"/e/Echo")});
    SortRows(list, {SortKey::Path, SortDirection::Ascending});
    const auto ascending = Paths();
    SortRows(list, {SortKey::Path, SortDirection::Descending});
    EXPECT_EQ(Paths(), (std::vector<std::u16string>(ascending.rbegin(), ascending.rend())));
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{u"/e/Echo", u"/d/delta", u"/c/charlie",
                                                    u"/b/bravo", u"/a/Alpha"}));
}

TEST_F(SortingTest, KeysComeFromTheEntryNotFromEditedColumns) {
    Add({SortingEntry(u"/x/c.txt"), SortingEntry(u"/y/a.txt"), SortingEntry(u"/z/b.txt")});
    list.SetNewName(0, u"0-first.txt");
    list.SetNewName(1, u"z-last.txt");
    list.SetFolderText(2, u"/0");
    SortRows(list, {SortKey::Name, SortDirection::Ascending});
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{u"/y/a.txt", u"/z/b.txt", u"/x/c.txt"}));
    // The edited texts travel with their rows.
    EXPECT_EQ(list.NewName(0), u"z-last.txt");
    EXPECT_EQ(list.FolderText(1), u"/0");
    EXPECT_EQ(list.NewName(2), u"0-first.txt");

    list.SetFolderText(0, u"/zzz");
    SortRows(list, {SortKey::Path, SortDirection::Ascending});
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{u"/x/c.txt", u"/y/a.txt", u"/z/b.txt"}));
    EXPECT_EQ(list.FolderText(1), u"/zzz");
    EXPECT_EQ(list.FolderText(2), u"/0");
}

TEST_F(SortingTest, FoldersTakePartByTheirOwnName) {
    FileEntry folder = SortingEntry(u"/top/b.dir");
    folder.isFolder = true;
    Add({SortingEntry(u"/top/c.txt"), folder, SortingEntry(u"/top/b.dir/a.txt")});
    SortRows(list, {SortKey::Name, SortDirection::Ascending});
    EXPECT_EQ(Paths(),
              (std::vector<std::u16string>{u"/top/b.dir/a.txt", u"/top/b.dir", u"/top/c.txt"}));
    EXPECT_EQ(list.At(1).icon, 1);
}

TEST_F(SortingTest, MarksTravelAndTheViewHearsOnce) {
    Add({SortingEntry(u"/c"), SortingEntry(u"/a"), SortingEntry(u"/d"), SortingEntry(u"/b")});
    list.SetSelected(0, true);
    list.SetSelected(3, true);
    list.SetFocusedRow(3);
    testing::ListRecorder recorder;
    list.SetObserver(&recorder);
    SortRows(list, {SortKey::Path, SortDirection::Ascending});
    list.SetObserver(nullptr);
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{u"/a", u"/b", u"/c", u"/d"}));
    EXPECT_EQ(list.SelectedRows(), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(list.FocusedRow(), std::optional<std::size_t>(1));
    EXPECT_EQ(recorder.Count("reorder"), 1);
    EXPECT_EQ(recorder.Count("change"), 0);
}

TEST_F(SortingTest, LatinBeforeHangulInTheRootOrder) {
    Add({SortingEntry(U16("/k/다람쥐.txt")), SortingEntry(u"/k/zebra.txt"),
         SortingEntry(U16("/k/가방.txt")), SortingEntry(U16("/k/나무.txt")),
         SortingEntry(u"/k/Apple.txt")});
    SortRows(list, {SortKey::Name, SortDirection::Ascending});
    EXPECT_EQ(Paths(),
              (std::vector<std::u16string>{u"/k/Apple.txt", u"/k/zebra.txt", U16("/k/가방.txt"),
                                           U16("/k/나무.txt"), U16("/k/다람쥐.txt")}));
}

TEST_F(SortingTest, EmptyListAndUnknownKey) {
    SortRows(list, {SortKey::Name, SortDirection::Ascending});
    EXPECT_TRUE(list.Empty());
    Add({SortingEntry(u"/b"), SortingEntry(u"/a")});
    SortRows(list, {static_cast<SortKey>(99), SortDirection::Ascending});
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{u"/b", u"/a"}));
}

TEST_F(SortingTest, SortedOrderAgreesWithCompareEntries) {
    Add({SortingEntry(u"/q/Zeta.md", 9, 3, 1), SortingEntry(u"/q/alpha.md", 1, 9, 2),
         SortingEntry(u"/p/é.md", 4, 3, platform::kUnknownTime), SortingEntry(u"/p/e.md", 4, 1, 0),
         SortingEntry(u"/p/E.md", 2, 5, 7), SortingEntry(u"/p/10.md", 3, 2, 7)});
    for (const auto& criterion : kSortCriteria) {
        SCOPED_TRACE(testing::U8(criterion.text));
        const auto order = SortedOrder(list, criterion.spec);
        for (std::size_t i = 1; i < order.size(); ++i) {
            EXPECT_LE(
                CompareEntries(list.Entry(order[i - 1]), list.Entry(order[i]), criterion.spec), 0);
        }
    }
}

TEST_F(SortingTest, ManyRowsAgreeWithCompareEntriesAndStayStable) {
    // Short texts over a few letters, so that keys begin alike, end early and tie.
    const char16_t letters[] = {u'a', u'A', u'b', u'\u00e9', u'1', u'\uAC00', u'.', u' '};
    std::uint32_t seed = 12345;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (std::uint64_t i = 0; i < 3000; ++i) {
        std::u16string name;
        const std::uint32_t length = next() % 12;
        for (std::uint32_t k = 0; k < length; ++k) name += letters[next() % 8];
        list.InsertEntryRow(SortingEntry((next() % 2 ? u"/x/" : u"/x/y/") + name, i));
    }
    for (const auto& criterion : kSortCriteria) {
        if (criterion.spec.key != SortKey::Name && criterion.spec.key != SortKey::Path) continue;
        SCOPED_TRACE(testing::U8(criterion.text));
        const auto order = SortedOrder(list, criterion.spec);
        for (std::size_t i = 1; i < order.size(); ++i) {
            const FileEntry& a = list.Entry(order[i - 1]);
            const FileEntry& b = list.Entry(order[i]);
            const int c = CompareEntries(a, b, criterion.spec);
            ASSERT_LE(c, 0) << i;
            if (c == 0) {
                ASSERT_LT(a.size, b.size) << i;  // ties keep the list order
            }
        }
    }
}

// Digits, Latin letters with case ignored, then Hangul in Korean order, as Korean
// users' file managers sort, on every system.
TEST(KoreanSorting, LatinBeforeHangulInKoreanOrder) {
    filelist::PlainIconSource source;
    filelist::IconCache icons{source};
    filelist::FileList list{icons};
    for (const char* path : {"/k/다람쥐.txt", "/k/zebra.txt", "/k/가방.txt", "/k/나무.txt",
                             "/k/Apple.txt", "/k/2.txt"}) {
        FileEntry entry;
        entry.path = NativePath(U16(path));
        list.InsertEntryRow(entry);
    }
    platform::SetCollationLocale("ko_KR.UTF-8");
    SortRows(list, {SortKey::Name, SortDirection::Ascending});
    platform::SetCollationLocale("");
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < list.Count(); ++i) names.push_back(list.CurrentName(i));
    EXPECT_EQ(names,
              (std::vector<std::u16string>{u"2.txt", u"Apple.txt", u"zebra.txt", U16("가방.txt"),
                                           U16("나무.txt"), U16("다람쥐.txt")}));
}

}  // namespace
}  // namespace morvalent::organise

namespace morvalent::organise {
namespace {

// File-manager order: runs of digits by value, the rest as the name sort; the
// sort and CompareEntries agree.
TEST_F(SortingTest, NaturalNameOrdersDigitRunsByValue) {
    struct Case {
        const char* name;
        std::vector<std::u16string> names;  // in the expected order
    };
    const Case cases[] = {
        {"digit runs by value", {u"IMG_1.jpg", u"IMG_2.jpg", u"IMG_10.jpg", u"IMG_100.jpg"}},
        {"several runs", {u"a1b2", u"a1b10", u"a2b1", u"a10b1"}},
        {"leading zeros: equal value, the text decides", {u"x001", u"x01", u"x1", u"x2"}},
        {"Hangul and digits mixed", {u"사진2", u"사진10", u"여행1", u"여행9", u"여행11"}},
        {"digits before letters, case ignored", {u"9", u"10", u"abc", u"Abd"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.Clear();
        for (auto it = c.names.rbegin(); it != c.names.rend(); ++it) {
            list.InsertEntryRow(SortingEntry(u"/f/" + *it));
        }
        SortRows(list, {SortKey::NaturalName, SortDirection::Ascending});
        std::vector<std::u16string> sorted;
        for (std::size_t i = 0; i < list.Count(); ++i) sorted.push_back(list.CurrentName(i));
        EXPECT_EQ(sorted, c.names);
        for (std::size_t i = 0; i + 1 < list.Count(); ++i) {
            EXPECT_LT(CompareEntries(list.Entry(i), list.Entry(i + 1),
                                     {SortKey::NaturalName, SortDirection::Ascending}),
                      0);
        }
        SortRows(list, {SortKey::NaturalName, SortDirection::Descending});
        EXPECT_EQ(list.CurrentName(0), c.names.back());
    }
}

TEST_F(SortingTest, NaturalNameKeepsEqualNamesInRowOrder) {
    Add({SortingEntry(u"/1/Img2.jpg"), SortingEntry(u"/2/img2.jpg"), SortingEntry(u"/3/img1.jpg")});
    SortRows(list, {SortKey::NaturalName, SortDirection::Ascending});
    EXPECT_EQ(Paths(),
              (std::vector<std::u16string>{u"/3/img1.jpg", u"/1/Img2.jpg", u"/2/img2.jpg"}));
}

}  // namespace
}  // namespace morvalent::organise
