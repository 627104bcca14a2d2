#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ConflictTable.h"
#include "commit/ConflictMarks.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

namespace morvalent::commit {
namespace {

using testing::NativePath;

// Marks kept up to date edit by edit must be the marks a whole search finds, on
// small lists whose names collide often: same names, names in folders that are
// missing, other rows' items, folder rows, empty names.
TEST(ConflictMarks, EditByEditAsAWholeSearch) {
    testing::TempDir dir;
    for (const char* file : {"a/1", "a/2", "a/3", "b/1", "b/x", "B2/y", "p", "q", "d/z"}) {
        dir.WriteFile(file, "x");
    }
    const std::vector<std::u16string> items = {u"a/1",  u"a/2", u"a/3", u"b/1", u"b/x",
                                               u"B2/y", u"p",   u"q",   u"d"};
    const std::vector<std::u16string> names = {u"1",
                                               u"2",
                                               u"3",
                                               u"x",
                                               u"X",
                                               u"y",
                                               u"p",
                                               u"q",
                                               u"n",
                                               u"N",
                                               u"",
                                               u"d",
                                               u"e",
                                               u"a:b",
                                               NativePath(u"m/n"),
                                               NativePath(u"e/z"),
                                               NativePath(u"d/z"),
                                               NativePath(u"a/1")};
    const std::vector<std::u16string> folders = {u"a", u"b", u"B2", u"m", u"e", u"d"};
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource source;
    filelist::IconCache icons(source);
    std::mt19937 random(31);
    const auto pick = [&](std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
    };
    for (int list = 0; list < 2000; ++list) {
        filelist::FileList rows(icons);
        const std::size_t count = 1 + pick(10);
        for (std::size_t i = 0; i < count; ++i) {
            const std::u16string& item = items[pick(items.size())];
            filelist::FileEntry entry;
            entry.path = dir.Join(item);
            entry.isFolder = item == u"d";
            rows.InsertEntryRow(entry);
        }
        FolderNames disk(*fs);
        ConflictMarks marks;
        marks.Update(rows, disk);
        for (int step = 0; step < 6; ++step) {
            const std::size_t changes = 1 + pick(3);
            for (std::size_t c = 0; c < changes; ++c) {
                const std::size_t row = pick(rows.Count());
                if (pick(5) == 0)
                    rows.SetFolderText(row, dir.Join(folders[pick(folders.size())]));
                else
                    rows.SetNewName(row, names[pick(names.size())]);
            }
            if (pick(20) == 0 && rows.Count() > 1) rows.RemoveRow(pick(rows.Count()));
            marks.Update(rows, disk);
            const std::vector<Conflict> whole = FindConflicts(rows, disk);
            std::vector<Conflict> kept(rows.Count());
            for (std::size_t i = 0; i < rows.Count(); ++i) kept[i] = marks.At(i);
            ASSERT_EQ(kept, whole) << "list " << list << ", step " << step;
        }
    }
}

}  // namespace
}  // namespace morvalent::commit
