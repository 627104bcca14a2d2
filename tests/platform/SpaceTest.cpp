#include <gtest/gtest.h>

#include "platform/Text.h"

namespace morvalent::platform {
namespace {

TEST(IsSpace, UnicodeWhiteSpace) {
    struct Row {
        const char* name;
        char16_t c;
        bool expected;
    };
    const Row rows[] = {
        {"tab", u'\t', true},
        {"line feed", u'\n', true},
        {"carriage return", u'\r', true},
        {"space", u' ', true},
        {"next line", u'\u0085', true},
        {"no-break space", u'\u00A0', true},
        {"ogham space mark", u'\u1680', true},
        {"en quad", u'\u2000', true},
        {"hair space", u'\u200A', true},
        {"line separator", u'\u2028', true},
        {"narrow no-break space", u'\u202F', true},
        {"medium mathematical space", u'\u205F', true},
        {"ideographic space", u'\u3000', true},
        {"letter", u'a', false},
        {"unit separator", u'\u001F', false},
        {"mongolian vowel separator", u'\u180E', false},
        {"zero width space", u'\u200B', false},
        {"word joiner", u'\u2060', false},
        {"byte-order mark", u'\uFEFF', false},
        {"hangul filler", u'\u3164', false},
    };
    for (const Row& row : rows) EXPECT_EQ(IsSpace(row.c), row.expected) << row.name;
}

}  // namespace
}  // namespace morvalent::platform
