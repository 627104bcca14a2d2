#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commit/TargetCheck.h"
#include "support/TempDir.h"

namespace morvalent::commit {
namespace {

using testing::NativePath;

struct Row {
    std::u16string path;
    std::u16string newName;
    std::u16string folderText;  // set when not empty
};

struct Case {
    const char* name;
    std::vector<Row> rows;
    TargetProblem problem;
    std::size_t row;
    std::size_t earlierRow;
    std::vector<std::u16string> targets;
};

TEST(CheckTargets, StopsAtTheFirstProblem) {
    const Case cases[] = {
        {"all named and distinct",
         {{u"/a/x.txt", u"y.txt", u""}, {u"/b/x.txt", u"x.txt", u""}},
         TargetProblem::None,
         0,
         0,
         {u"/a/y.txt", u"/b/x.txt"}},
        {"a file in the root folder",
         {{u"/x.txt", u"y.txt", u""}},
         TargetProblem::None,
         0,
         0,
         {u"/y.txt"}},
        {"empty new name",
         {{u"/a/1", u"1", u""}, {u"/a/2", u"", u""}, {u"/a/3", u"1", u""}},
         TargetProblem::EmptyName,
         1,
         0,
         {u"/a/1"}},
        {"ASCII letters differ only in case",
         {{u"/a/1", u"Report.txt", u""}, {u"/a/2", u"report.TXT", u""}},
         TargetProblem::Duplicate,
         1,
         0,
         {u"/a/Report.txt", u"/a/report.TXT"}},
        {"non-ASCII letters differ in case",
         {{u"/a/1", u"\u00C9t\u00E9", u""}, {u"/a/2", u"\u00E9t\u00E9", u""}},
         TargetProblem::None,
         0,
         0,
         {u"/a/\u00C9t\u00E9", u"/a/\u00E9t\u00E9"}},
        {"the first equal earlier row is named",
         {{u"/a/1", u"x", u""}, {u"/a/2", u"y", u""}, {u"/a/3", u"Y", u""}, {u"/a/4", u"X", u""}},
         TargetProblem::Duplicate,
         2,
         1,
         {u"/a/x", u"/a/y", u"/a/Y"}},
        {"folders unified into one",
         {{u"/p/a.txt", u"a.txt", u"/u"}, {u"/q/a.txt", u"a.txt", u"/u"}},
         TargetProblem::Duplicate,
         1,
         0,
         {u"/u/a.txt", u"/u/a.txt"}},
        {"unchanged rows are targets too",
         {{u"/a/x", u"x", u""}, {u"/a/y", u"x", u""}},
         TargetProblem::Duplicate,
         1,
         0,
         {u"/a/x", u"/a/x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        filelist::PlainIconSource source;
        filelist::IconCache icons(source);
        filelist::FileList list(icons);
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            filelist::FileEntry entry;
            entry.path = NativePath(c.rows[i].path);
            list.InsertEntryRow(entry);
            list.SetNewName(i, c.rows[i].newName);
            if (!c.rows[i].folderText.empty()) {
                list.SetFolderText(i, NativePath(c.rows[i].folderText));
            }
        }
        const TargetCheck check = CheckTargets(list);
        EXPECT_EQ(check.problem, c.problem);
        if (c.problem != TargetProblem::None) {
            EXPECT_EQ(check.row, c.row);
        }
        if (c.problem == TargetProblem::Duplicate) {
            EXPECT_EQ(check.earlierRow, c.earlierRow);
        }
        std::vector<std::u16string> targets;
        for (const auto& target : c.targets) targets.push_back(NativePath(target));
        EXPECT_EQ(check.targets, targets);
    }
}

}  // namespace
}  // namespace morvalent::commit
