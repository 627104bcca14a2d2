#include "app/ShellWords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvalent::app {
namespace {

struct QuoteCase {
    const char* name;
    std::string word;
    std::string quoted;
};

class QuoteWords : public ::testing::TestWithParam<QuoteCase> {};

// Each word is written as shown and read back as the same one word.
TEST_P(QuoteWords, WritesTheWordAndReadsItBack) {
    const QuoteCase& c = GetParam();
    EXPECT_EQ(QuoteWord(c.word), c.quoted);
    const ShellSplit split = SplitShellLines("--prefix " + QuoteWord(c.word) + "\n");
    ASSERT_EQ(split.lines.size(), 1u);
    EXPECT_EQ(split.lines[0].words, (std::vector<std::string>{"--prefix", c.word}));
}

INSTANTIATE_TEST_SUITE_P(
    Words, QuoteWords,
    ::testing::Values(QuoteCase{"plain", "--number-front", "--number-front"},
                      QuoteCase{"hangul", "사진_", "사진_"}, QuoteCase{"empty", "", "''"},
                      QuoteCase{"space", "a b", "'a b'"}, QuoteCase{"tab", "a\tb", "'a\tb'"},
                      QuoteCase{"single_quote", "it's", "'it'\\''s'"},
                      QuoteCase{"double_quote", "say \"hi\"", "'say \"hi\"'"},
                      QuoteCase{"hangul_and_space", "여름 휴가", "'여름 휴가'"},
                      QuoteCase{"comment_sign", "#1", "'#1'"},
                      QuoteCase{"backslash_and_dollar", "a\\$b", "'a\\$b'"},
                      QuoteCase{"newline", "a\nb", "'a\nb'"}),
    [](const auto& info) { return info.param.name; });

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<ShellLine> lines;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, GivesEachCommandLineWithItsLine) {
    const ShellSplit split = SplitShellLines(GetParam().text);
    EXPECT_FALSE(split.unclosedQuoteLine);
    ASSERT_EQ(split.lines.size(), GetParam().lines.size());
    for (std::size_t i = 0; i < split.lines.size(); ++i) {
        EXPECT_EQ(split.lines[i].line, GetParam().lines[i].line) << i;
        EXPECT_EQ(split.lines[i].words, GetParam().lines[i].words) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitLines,
    ::testing::Values(SplitCase{"comments_and_blank_lines",
                                "# made by hand\n\n--erase-name  # all of it\n\t--keep-digits\n",
                                {{3, {"--erase-name"}}, {4, {"--keep-digits"}}}},
                      SplitCase{
                          "crlf_and_no_last_newline",
                          "--revert\r\n--prefix a\r\n--suffix b",
                          {{1, {"--revert"}}, {2, {"--prefix", "a"}}, {3, {"--suffix", "b"}}}},
                      SplitCase{"double_quotes_and_backslashes",
                                "--replace \"a \\\"b\\\" \\n\" c\\ d\n",
                                {{1, {"--replace", "a \"b\" \\n", "c d"}}}},
                      SplitCase{"joined_quotes_make_one_word",
                                "--prefix '사진 '\"x\"y\n",
                                {{1, {"--prefix", "사진 xy"}}}},
                      SplitCase{"backslash_newline_goes_on",
                                "--replace a \\\n b\n--revert\n",
                                {{1, {"--replace", "a", "b"}}, {3, {"--revert"}}}},
                      SplitCase{"quoted_newline_stays_in_the_word",
                                "--prefix 'a\nb'\n--revert\n",
                                {{1, {"--prefix", "a\nb"}}, {3, {"--revert"}}}}),
    [](const auto& info) { return info.param.name; });

TEST(SplitLines, AnUnclosedQuoteNamesTheLineItOpensOn) {
    EXPECT_EQ(SplitShellLines("--revert\n--prefix 'a\n--suffix b\n").unclosedQuoteLine, 2u);
}

}  // namespace
}  // namespace morvalent::app
