#include <gtest/gtest.h>

#include "edits/EncodingRepair.h"

namespace morvalent::edits {
namespace {

TEST(RepairEncoding, Table) {
    struct Case {
        const char* name;
        std::u16string text, expected;
    };
    const Case cases[] = {
        {"shown as DOS 437", u"├Ñ╝▒╣░┐δ.txt", u"책선물용.txt"},
        {"shown as Windows 1252", u"ÇÑ±Û.txt", u"한글.txt"},
        // C7 D1 B1 DB read as UTF-8: C7 escaped, D1 B1 a Cyrillic letter, DB escaped.
        {"undecodable bytes", u"\xDCC7\u0471\xDCDB.txt", u"한글.txt"},
        {"undecodable bytes that are not CP949 either", u"\xDCFF.txt", u"\xDCFF.txt"},
        {"plain ASCII", u"report_2024.txt", u"report_2024.txt"},
        {"proper Hangul", u"한글 문서.hwp", u"한글 문서.hwp"},
        {"French", u"Français.txt", u"Français.txt"},
        {"Spanish", u"España.txt", u"España.txt"},
        {"accent before a dot", u"café.txt", u"café.txt"},
        {"emoji", u"🎉.png", u"🎉.png"},
        {"empty", u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RepairEncoding(c.text), c.expected);
    }
}

}  // namespace
}  // namespace morvalent::edits
