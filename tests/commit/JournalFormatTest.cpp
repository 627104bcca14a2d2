#include <gtest/gtest.h>

#include <string>

#include "commit/History.h"
#include "commit/JournalFormat.h"
#include "platform/Path.h"
#include "support/TempDir.h"

namespace morvalent::commit {
namespace {

struct TextCase {
    std::u16string text;
    std::string written;
};

TEST(JournalFormat, TextsAreWrittenReadablyAndReadBackExactly) {
    const TextCase cases[] = {
        {u"a b.txt", "a b.txt"},
        {u"100%.txt", "100%25.txt"},
        {u"tab\there\nline\x7F", "tab%09here%0Aline%7F"},
        {u"한글.txt", "한글.txt"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {std::u16string{u'a', 0xDCE9, u'b'}, "a%E9b"},
        {std::u16string{0xD800, u'x', 0xDC01}, "%uD800x%uDC01"},
    };
    for (const TextCase& c : cases) {
        std::string line;
        journal::AppendText(line, c.text);
        EXPECT_EQ(line, c.written);
        EXPECT_EQ(journal::ParseText(c.written), c.text) << c.written;
    }
}

TEST(JournalFormat, MalformedTextsAreRefused) {
    for (const char* field : {"%", "%4", "%G1", "%u12", "%u0041", "\xFF", "\xED\xA0\x80"}) {
        EXPECT_EQ(journal::ParseText(field), std::nullopt) << field;
    }
}

TEST(JournalFormat, IdentitiesRoundTrip) {
    const platform::FileIdentity known{0x803, 0, 0x1234, 0x1D0F};
    const platform::FileIdentity noBirth{1, 2, 3, platform::kUnknownTime};
    std::string line;
    journal::AppendIdentity(line, known);
    line += ' ';
    journal::AppendIdentity(line, noBirth);
    line += ' ';
    journal::AppendIdentity(line, std::nullopt);
    EXPECT_EQ(line, "803:0:1234:1d0f 1:2:3:- -");
    EXPECT_EQ(journal::ParseIdentity("803:0:1234:1d0f"), known);
    EXPECT_EQ(journal::ParseIdentity("1:2:3:-"), noBirth);
    EXPECT_EQ(journal::ParseIdentity("-"),
              std::make_optional(std::optional<platform::FileIdentity>()));
    EXPECT_EQ(journal::ParseIdentity("1:2:3"), std::nullopt);
}

// Journals written out by hand; '/' stands for the system's separator.
struct SummaryCase {
    const char* name;
    const char* journal;
    CommitState state;
    std::size_t renamed;
};

TEST(JournalSummary, StateCountAndFolder) {
    const std::string head =
        "morvalent-journal\t1\nstart\t1\n"
        "row\t0\t1:0:a:-\t/t/a\t/t/b\nrow\t2\t1:0:c:-\t/t/c\t/t/d\nplan\t2\n";
    const SummaryCase cases[] = {
        {"complete", "done\t0\ndone\t2\nend\t2\n", CommitState::Complete, 2},
        {"a row failed", "done\t0\nfailed\t2\nend\t2\n", CommitState::SomeFailed, 1},
        {"every row failed", "failed\t0\nfailed\t2\nend\t2\n", CommitState::Failed, 0},
        {"no end mark", "done\t0\n", CommitState::Interrupted, 1},
        {"cut inside a line", "done\t0\ndone\t2\nen", CommitState::Interrupted, 2},
        {"undone", "done\t0\ndone\t2\nend\t2\nundo\t3\nundone\t2\nundone\t0\nundo-end\t3\n",
         CommitState::Undone, 2},
        {"undo stopped", "done\t0\ndone\t2\nend\t2\nundo\t3\nundone\t2\n",
         CommitState::PartlyUndone, 2},
        {"an undo failed", "done\t0\ndone\t2\nend\t2\nundo\t3\nundo-failed\t2\nundone\t0\n",
         CommitState::PartlyUndone, 2},
        {"a stopped undo resumed",
         "done\t0\ndone\t2\nend\t2\nundo\t3\nundone\t2\nundo\t4\nundone\t0\nundo-end\t4\n",
         CommitState::Undone, 2},
        {"a cut line ended by the undo",
         "done\t0\ndone\t2\nen\x18\nundo\t3\nundone\t2\nundone\t0\n", CommitState::Undone, 2},
        {"interrupted, then undone", "done\t0\nundo\t3\nkept\t2\nundone\t0\nundo-end\t3\n",
         CommitState::Undone, 1},
        {"a late row that failed", "done\t0\nrow\t1\t-\t/t/b/x\t/t/y\nfailed\t1\ndone\t2\nend\t2\n",
         CommitState::SomeFailed, 2},
    };
    for (const SummaryCase& c : cases) {
        std::string text = head + c.journal;
        for (char& ch : text) {
            if (ch == '/') ch = char(platform::kPathSeparator);
        }
        const CommitSummary summary = Summarise(7, ReadJournal(text));
        EXPECT_EQ(summary.state, c.state) << c.name;
        EXPECT_EQ(summary.renamed, c.renamed) << c.name;
        EXPECT_EQ(summary.folder, testing::NativePath(u"/t")) << c.name;
        EXPECT_EQ(summary.started, 1) << c.name;
    }
}

}  // namespace
}  // namespace morvalent::commit
