#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "organise/SortSpec.h"
#include "platform/Collation.h"
#include "support/TempDir.h"

namespace morvalent::organise {
namespace {

using filelist::FileEntry;
using testing::NativePath;
using testing::U8;

TEST(SortSpec, ChoicesMapToKeyAndDirection) {
    struct Case {
        std::int32_t choice;
        const char* text;
        SortKey key;
        SortDirection direction;
    };
    const Case cases[] = {
        {0, "파일 이름에 따라 오름차순", SortKey::Name, SortDirection::Ascending},
        {1, "파일 이름에 따라 내림차순", SortKey::Name, SortDirection::Descending},
        {2, "전체경로에 따라 오름차순", SortKey::Path, SortDirection::Ascending},
        {3, "전체경로에 따라 내림차순", SortKey::Path, SortDirection::Descending},
        {4, "파일 크기에 따라 오름차순", SortKey::Size, SortDirection::Ascending},
        {5, "파일 크기에 따라 내림차순", SortKey::Size, SortDirection::Descending},
        {6, "수정한 시각에 따라 오름차순", SortKey::Modified, SortDirection::Ascending},
        {7, "수정한 시각에 따라 내림차순", SortKey::Modified, SortDirection::Descending},
        {8, "만든 시각에 따라 오름차순", SortKey::Created, SortDirection::Ascending},
        {9, "만든 시각에 따라 내림차순", SortKey::Created, SortDirection::Descending},
        {10, "이름 (숫자 순)", SortKey::NaturalName, SortDirection::Ascending},
        {11, "이름 (숫자 역순)", SortKey::NaturalName, SortDirection::Descending},
    };
    ASSERT_EQ(kSortCriteria.size(), 12u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        EXPECT_EQ(U8(kSortCriteria[std::size_t(c.choice)].text), c.text);
        const auto spec = SortSpecForChoice(c.choice);
        ASSERT_TRUE(spec.has_value());
        EXPECT_EQ(spec->key, c.key);
        EXPECT_EQ(spec->direction, c.direction);
    }
    EXPECT_FALSE(SortSpecForChoice(-1).has_value());
    EXPECT_FALSE(SortSpecForChoice(12).has_value());
    // And back: the terminal finds the dialog's item of a sort order.
    for (const Case& c : cases) EXPECT_EQ(SortChoiceOf({c.key, c.direction}), c.choice);
}

FileEntry Entry(std::u16string path, std::uint64_t size = 0, platform::FileTime modified = 0,
                platform::FileTime created = 0) {
    FileEntry e;
    e.path = NativePath(path);
    e.size = size;
    e.lastWriteTime = modified;
    e.creationTime = created;
    return e;
}

TEST(CompareEntries, KeysAndDirection) {
    platform::SetCollationLocale("");
    struct Case {
        const char* name;
        FileEntry a;
        FileEntry b;
        SortSpec spec;
        int expected;
    };
    const Case cases[] = {
        {"name 10 before 2",
         Entry(u"/x/file10.txt"),
         Entry(u"/a/file2.txt"),
         {SortKey::Name, SortDirection::Ascending},
         -1},
        {"name descending negates",
         Entry(u"/x/file10.txt"),
         Entry(u"/a/file2.txt"),
         {SortKey::Name, SortDirection::Descending},
         1},
        {"name ignores case",
         Entry(u"/x/ABC.txt"),
         Entry(u"/y/abc.txt"),
         {SortKey::Name, SortDirection::Ascending},
         0},
        {"name ignores case descending",
         Entry(u"/x/ABC.txt"),
         Entry(u"/y/abc.txt"),
         {SortKey::Name, SortDirection::Descending},
         0},
        {"name keeps accents",
         Entry(u"/x/\u00e9"),
         Entry(u"/y/e"),
         {SortKey::Name, SortDirection::Ascending},
         1},
        {"name includes the extension",
         Entry(u"/x/a.b"),
         Entry(u"/x/a.a"),
         {SortKey::Name, SortDirection::Ascending},
         1},
        {"path", Entry(u"/x/a"), Entry(u"/y/a"), {SortKey::Path, SortDirection::Ascending}, -1},
        {"path ignores case",
         Entry(u"/X/a"),
         Entry(u"/x/A"),
         {SortKey::Path, SortDirection::Ascending},
         0},
        {"size unsigned",
         Entry(u"/a", 100),
         Entry(u"/b", 3ull << 30),
         {SortKey::Size, SortDirection::Ascending},
         -1},
        {"size above 4 GiB",
         Entry(u"/a", (4ull << 30) + 1),
         Entry(u"/b", 100),
         {SortKey::Size, SortDirection::Ascending},
         1},
        {"size equal",
         Entry(u"/a", 5),
         Entry(u"/b", 5),
         {SortKey::Size, SortDirection::Descending},
         0},
        {"size descending",
         Entry(u"/a", 100),
         Entry(u"/b", 3ull << 30),
         {SortKey::Size, SortDirection::Descending},
         1},
        {"modified",
         Entry(u"/a", 0, 20),
         Entry(u"/b", 0, 10),
         {SortKey::Modified, SortDirection::Ascending},
         1},
        {"modified descending",
         Entry(u"/a", 0, 20),
         Entry(u"/b", 0, 10),
         {SortKey::Modified, SortDirection::Descending},
         -1},
        {"created unknown earliest",
         Entry(u"/a", 0, 0, platform::kUnknownTime),
         Entry(u"/b", 0, 0, 0),
         {SortKey::Created, SortDirection::Ascending},
         -1},
        {"created equal",
         Entry(u"/a", 0, 0, 9),
         Entry(u"/b", 0, 0, 9),
         {SortKey::Created, SortDirection::Ascending},
         0},
        {"no such key",
         Entry(u"/a"),
         Entry(u"/b"),
         {static_cast<SortKey>(99), SortDirection::Ascending},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CompareEntries(c.a, c.b, c.spec), c.expected);
    }
}

}  // namespace
}  // namespace morvalent::organise
