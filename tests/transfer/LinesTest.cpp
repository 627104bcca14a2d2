#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "transfer/Lines.h"

namespace morvalent::transfer {
namespace {

TEST(NextToken, PieceAndNextPosition) {
    struct Row {
        const char* name;
        std::u16string text;
        std::size_t start;
        std::u16string separator;
        std::u16string piece;
        std::ptrdiff_t next;
    };
    const Row rows[] = {
        {"first piece", u"a\nbc", 0, u"\n", u"a", 2},
        {"last piece", u"a\nbc", 2, u"\n", u"bc", -1},
        {"empty text", u"", 0, u"\n", u"", -1},
        {"after the final separator", u"a\n", 2, u"\n", u"", -1},
        {"start past the end", u"a", 5, u"\n", u"", -1},
        {"empty piece", u"\n\nb", 1, u"\n", u"", 2},
        {"longer separator", u"a\r\nb", 0, u"\r\n", u"a", 3},
    };
    for (const Row& row : rows) {
        std::u16string_view piece = u"unset";
        EXPECT_EQ(NextToken(row.text, row.start, piece, row.separator), row.next) << row.name;
        EXPECT_EQ(piece, row.piece) << row.name;
    }
}

TEST(ReadLines, SplitAtLineFeedTrimmedWithoutEmptyLines) {
    struct Row {
        const char* name;
        std::u16string text;
        std::vector<std::u16string_view> lines;
    };
    const Row rows[] = {
        {"exported", u"a.txt\r\nb.txt\r\n", {u"a.txt", u"b.txt"}},
        {"no final line end", u"a\nb", {u"a", u"b"}},
        {"empty lines take no place", u"a\r\n\r\nc\r\n", {u"a", u"c"}},
        {"spaces at the ends", u"  a b  \n\t c\t\n", {u"a b", u"c"}},
        {"spaces only", u"   \n\t\r\n\u3000\nz", {u"z"}},
        {"carriage returns alone", u"a\rb\rc\r", {u"a\rb\rc"}},
        {"empty", u"", {}},
        {"backslashes kept", u"a\\b\n", {u"a\\b"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReadLines(row.text), row.lines) << row.name;
    }
}

}  // namespace
}  // namespace morvalent::transfer
