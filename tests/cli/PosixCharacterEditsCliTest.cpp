// The new name edits from the terminal, on real files. POSIX only: regular
// expressions and photo dates are not in the Windows build, and a byte name
// exists only here.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "support/PosixTimeZone.h"
#include "support/TempDir.h"
#include "support/TestJpeg.h"

namespace morvalent::cli {
namespace {

using testing::U8;

struct Run {
    int status;
    std::string out;
    std::string err;
};

TEST(PosixCharacterEditsCli, Table) {
    testing::TimeZone zone("KST-9");
    testing::TempDir dir;
    dir.WriteFile("IMG_0001.JPG", testing::JpegWithDateTaken("2024:05:17 14:03:09"));
    dir.WriteFile("don't stop.txt");
    dir.WriteFile("\xC7\xD1\xB1\xDB.txt");                     // CP949 bytes on disk
    dir.WriteFile("\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB.md");  // 한 in jamo
    const std::string root = U8(dir.Text());
    struct Case {
        const char* name;
        std::vector<std::string> steps;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"title and extension case",
         {"--case", "title", "--case", "ext-lower"},
         0,
         "Don't Stop.txt\nImg_0001.jpg\n"
         "\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB.md\n\xC7\xD1\xB1\xDB.txt\n",
         ""},
        {"repair and compose",
         {"--repair-encoding", "--normalize", "nfc"},
         0,
         "don't stop.txt\nIMG_0001.JPG\n한.md\n한글.txt\n",
         ""},
        {"pattern with a group",
         {"--regex-replace", "(?i)img_(\\d+)", "사진 $1"},
         0,
         "don't stop.txt\n사진 0001.JPG\n"
         "\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB.md\n\xC7\xD1\xB1\xDB.txt\n",
         ""},
        {"invalid pattern stops with exit 3",
         {"--regex-replace", "img_(", "x"},
         3,
         "",
         "정규식이 올바르지 않습니다: 6번째 글자에서 괄호가 닫히지 않았습니다\n"},
    };
    // Rows come in path order: Latin letters before Hangul, undecodable bytes last.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {root + "/IMG_0001.JPG", root + "/don't stop.txt",
                                         root + "/\xC7\xD1\xB1\xDB.txt",
                                         root + "/\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB.md"};
        args.insert(args.end(), c.steps.begin(), c.steps.end());
        args.push_back("--print=names");
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCommandLine(args, out, err), c.status);
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
    }
}

TEST(PosixCharacterEditsCli, DateTakenRenamesTheFile) {
    testing::TimeZone zone("KST-9");
    testing::TempDir dir;
    dir.WriteFile("IMG_0001.jpg", testing::JpegWithDateTaken("2024:05:17 14:03:09"));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine({U8(dir.Join(u"IMG_0001.jpg")), "--date", "YYYYMMDD_hhmmss", "taken",
                              "replace", "--apply", "--print=none"},
                             out, err),
              0);
    EXPECT_TRUE(dir.Exists("20240517_140309.jpg"));
    EXPECT_FALSE(dir.Exists("IMG_0001.jpg"));
}

}  // namespace
}  // namespace morvalent::cli
