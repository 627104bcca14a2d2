#include <gtest/gtest.h>
#include <windows.h>

#include "platform/CodePage.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

// The tests run with a Korean system locale (under Wine: LC_ALL=ko_KR.UTF-8).
TEST(Win32CodePage, SystemCodePageIsKorean) {
    ASSERT_EQ(GetACP(), 949u) << "run the tests with a Korean system locale";
}

TEST(Win32CodePage, DecodesCp949) {
    struct Row {
        const char* name;
        std::string bytes;
        std::u16string expected;
    };
    const Row rows[] = {
        {"hangul", "\xC7\xD1\xB1\xDB", u"\uD55C\uAE00"},
        {"ascii", "report.txt", u"report.txt"},
        {"mixed",
         "\xB0\xA1"
         "a\xB3\xAA",
         u"\uAC00a\uB098"},
        {"extended hangul (UHC)", "\x81\x41", u"\uAC02"},
        {"empty", "", u""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DecodeSystemCodePage(row.bytes), row.expected) << row.name;
    }
}

TEST(Win32CodePage, ReadsACp949File) {
    testing::TempDir dir;
    dir.WriteFile("names.txt", "\xC7\xD1\xB1\xDB.txt\r\n\xB9\xAE\xBC\xAD.doc\r\n");
    EXPECT_EQ(DecodeSystemCodePage(dir.ReadFile("names.txt")),
              u"\uD55C\uAE00.txt\r\n\uBB38\uC11C.doc\r\n");
}

}  // namespace
}  // namespace morvalent::platform
