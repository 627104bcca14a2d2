#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/Text.h"

namespace morvalent::platform {
namespace {

using namespace std::string_literals;

TEST(ValidUtf8ToUtf16, NothingUnlessEveryByteIsUtf8) {
    struct Row {
        const char* name;
        std::string bytes;
        std::optional<std::u16string> text;
    };
    const Row rows[] = {
        {"empty", ""s, u""},
        {"ASCII with a zero", "a\0b"s, u"a\0b"s},
        {"Korean", "\xED\x95\x9C\xEA\xB8\x80"s, u"한글"},
        {"four bytes", "\xF0\x9F\x98\x80"s, u"\U0001F600"},
        {"CP949", "\xC7\xD1\xB1\xDB"s, std::nullopt},
        {"cut short", "\xED\x95"s, std::nullopt},
        {"overlong", "\xC0\xAF"s, std::nullopt},
        {"encoded surrogate", "\xED\xA0\x80"s, std::nullopt},
        {"past U+10FFFF", "\xF4\x90\x80\x80"s, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ValidUtf8ToUtf16(row.bytes), row.text) << row.name;
    }
}

}  // namespace
}  // namespace morvalent::platform
