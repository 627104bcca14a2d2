#include <gtest/gtest.h>

#include "filelist/NameChange.h"

namespace morvalent::filelist {
namespace {

TEST(CompareNames, Table) {
    struct Case {
        const char* name;
        std::u16string current, next;
        bool changed;
        std::size_t first, last;
        std::uint8_t unseen;
    };
    const Case cases[] = {
        {"same", u"a.txt", u"a.txt", false, 0, 0, 0},
        {"insertion", u"IMG_1.jpg", u"IMG_1_v2.jpg", true, 5, 8, 0},
        {"prefix added", u"a.txt", u"new_a.txt", true, 0, 4, 0},
        {"deletion: empty span at its place", u"IMG (2).jpg", u"IMG.jpg", true, 3, 3, 0},
        {"replacement", u"photo 1.jpg", u"photo_1.jpg", true, 5, 6, 0},
        {"repeated letters: the first difference", u"aaa", u"aaaa", true, 3, 4, 0},
        {"Korean replaced", u"사진1.jpg", u"여행1.jpg", true, 0, 2, 0},
        {"normalisation only (NFD to NFC)", u"\u1112\u1161\u11AB.txt", u"\uD55C.txt", true, 0, 1,
         kUnseenNormalization},
        {"a mark changed takes its letter", u"e\u0301.txt", u"e\u0300.txt", true, 0, 2, 0},
        {"width only", u"\uFF21\uFF22.txt", u"AB.txt", true, 0, 2, kUnseenWidth},
        {"trailing space", u"a.txt ", u"a.txt", true, 5, 5, kUnseenEdgeSpaces},
        {"leading ideographic space", u"a.txt", u"\u3000a.txt", true, 0, 1, kUnseenEdgeSpaces},
        {"inner space is seen", u"a b.txt", u"ab.txt", true, 1, 1, 0},
        {"width and edge spaces together", u"\uFF21 ", u"A", true, 0, 1,
         kUnseenWidth | kUnseenEdgeSpaces},
        {"surrogate pair kept whole", u"x\U0001F600", u"x\U0001F601", true, 1, 3, 0},
        {"to empty", u"a.txt", u"", true, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NameChange change = CompareNames(c.current, c.next);
        EXPECT_EQ(change.changed, c.changed);
        if (!c.changed) continue;
        EXPECT_EQ(change.first, c.first);
        EXPECT_EQ(change.last, c.last);
        EXPECT_EQ(change.unseen, c.unseen);
    }
}

}  // namespace
}  // namespace morvalent::filelist
