#include <gtest/gtest.h>

#include <string>

#include "transfer/TextDecoding.h"

namespace morvalent::transfer {
namespace {

using namespace std::string_literals;

TEST(DecodeTextFile, ByMarkOrContent) {
    struct Row {
        const char* name;
        std::string bytes;
        std::u16string text;
    };
    // The tests run in a UTF-8 locale, where 8-bit text is read as CP949.
    const Row rows[] = {
        {"empty", ""s, u""},
        {"one byte", "a"s, u""},
        {"two bytes", "ab"s, u""},
        {"little-endian mark alone", "\xFF\xFE"s, u""},
        {"little-endian",
         "\xFF\xFE"
         "a\0.\0t\0\r\0\n\0"s,
         u"a.t\r\n"},
        {"little-endian Korean", "\xFF\xFE\x5C\xD5\x00\xAE"s, u"한글"},
        {"little-endian odd last byte",
         "\xFF\xFE"
         "a\0b"s,
         u"ab"},
        {"little-endian one byte after the mark",
         "\xFF\xFE"
         "a"s,
         u"a"},
        {"little-endian keeps a zero",
         "\xFF\xFE"
         "a\0\0\0b\0"s,
         u"a\0b"s},
        {"big-endian", "\xFE\xFF\xD5\x5C\xAE\x00\x00\x0A"s, u"한글\n"},
        {"big-endian odd last byte", "\xFE\xFF\x00\x61\x41"s, u"a\u4100"},
        {"big-endian keeps a zero", "\xFE\xFF\x00\x61\x00\x00\x00\x62"s, u"a\0b"s},
        {"UTF-8 mark", "\xEF\xBB\xBF\xED\x95\x9C\xEA\xB8\x80\r\n"s, u"한글\r\n"},
        {"UTF-8 mark alone", "\xEF\xBB\xBF"s, u""},
        {"UTF-8 mark keeps a zero",
         "\xEF\xBB\xBF"
         "ab\0c"s,
         u"ab\0c"s},
        {"UTF-8 without mark", "\xED\x95\x9C\xEA\xB8\x80.txt\n"s, u"한글.txt\n"},
        {"ASCII", "abc\r\n"s, u"abc\r\n"},
        {"ASCII keeps a zero", "abc\0def"s, u"abc\0def"s},
        {"CP949", "\xC7\xD1\xB1\xDB.txt\r\n"s, u"한글.txt\r\n"},
        {"CP949 keeps a zero", "\xC7\xD1\0\xB1\xDB"s, u"한\0글"s},
        {"UTF-8 with one Latin-1 byte", "caf\xC3\xA9\nna\xEFve\n"s, u"caf\u00E9\nna\xDCEFve\n"},
        {"UTF-16LE without mark", "a\0.\0t\0x\0t\0\r\0\n\0"s, u"a.txt\r\n"},
        {"UTF-16LE Korean without mark", "\x5C\xD5\x00\xAE.\0t\0x\0t\0\n\0"s, u"한글.txt\n"},
        {"UTF-16BE without mark", "\0a\0.\0t\0x\0t\0\n"s, u"a.txt\n"},
        {"CP949 cut off in a character", "\xC7\xD1.txt\xC7"s, u"\xDCC7\xDCD1.txt\xDCC7"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DecodeTextFile(row.bytes), row.text) << row.name;
    }
}

}  // namespace
}  // namespace morvalent::transfer
