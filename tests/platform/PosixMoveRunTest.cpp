#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "support/MoveResultName.h"
#include "support/TempDir.h"
#include "support/TreeListing.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;

struct RunRow {
    const char* name;
    // Files made first, each holding its own path (a later listing shows which is which).
    std::vector<const char*> files;
    std::vector<std::pair<std::u16string, std::u16string>> moves;
    std::vector<const char*> results;
    const char* listing;
};

// One run moves every row's items in turn, as a commit does, with the folders it
// keeps open from move to move.
TEST(PosixMoveRun, MovesByNameInTheOpenFolders) {
    const std::vector<RunRow> rows = {
        {"several folders, in turns",
         {"a/1", "b/2", "c/3", "a/4"},
         {{u"a/1", u"a/one"}, {u"b/2", u"c/two"}, {u"c/3", u"a/three"}, {u"a/4", u"b/four"}},
         {"Moved", "Moved", "Moved", "Moved"},
         "a/\na/one=a/1\na/three=c/3\nb/\nb/four=a/4\nc/\nc/two=b/2\n"},
        {"a folder renamed, another put in its place",
         {"a/x", "a/k", "c/k"},
         {{u"a/x", u"a/y"}, {u"a", u"b"}, {u"c", u"a"}, {u"a/k", u"a/m"}, {u"b/y", u"b/z"}},
         {"Moved", "Moved", "Moved", "Moved", "Moved"},
         "a/\na/m=c/k\nb/\nb/k=a/k\nb/z=a/x\n"},
        {"names that are not UTF-8",
         {"d\xfe/\xff.txt"},
         {{u"d\xDCFE/\xDCFF.txt", u"d\xDCFE/\xDCFF\uD55C.txt"}},
         {"Moved"},
         "d\xfe/\nd\xfe/\xff\xed\x95\x9c.txt=d\xfe/\xff.txt\n"},
        {"nothing replaced, nothing made up",
         {"a/1", "a/2", "a/d/3"},
         {{u"a/1", u"a/2"}, {u"a/1", u"a/d"}, {u"a/gone", u"a/3"}, {u"a/d", u"a/d/e"}},
         {"TargetExists", "TargetExists", "SourceMissing", "Failed"},
         "a/\na/1=a/1\na/2=a/2\na/d/\na/d/3=a/d/3\n"},
    };
    for (const RunRow& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        for (const char* file : row.files) dir.WriteFile(file, file);
        auto fs = MakeNativeFileSystem();
        auto run = fs->BeginMoves();
        std::vector<std::string> results;
        for (const auto& [source, target] : row.moves) {
            results.push_back(testing::MoveResultName(
                run->MoveNoReplace(dir.Join(source), dir.Join(target)).result));
        }
        EXPECT_EQ(results, std::vector<std::string>(row.results.begin(), row.results.end()));
        EXPECT_EQ(testing::Listing(dir.Path()), row.listing);
    }
}

}  // namespace
}  // namespace morvalent::platform
