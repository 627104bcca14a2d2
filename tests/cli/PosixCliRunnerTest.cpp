#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/CliRunner.h"
#include "support/TempDir.h"

namespace morvalent::cli {
namespace {

using testing::U8;

std::string Print(const testing::TempDir& dir, const std::string& mode) {
    std::ostringstream out;
    std::ostringstream err;
    RunCommandLine(
        {"--folders=contents", U8(dir.Text()), "--replace", "1", "01", "--print=" + mode}, out,
        err);
    return out.str();
}

// A name that is not UTF-8 is written as the bytes it has on disk, except in the
// table, which is meant for reading.
TEST(PosixCliPrint, NameThatIsNotUtf8) {
    testing::TempDir dir;
    dir.WriteFile("가/사진 1.jpg");
    dir.WriteFile(std::string("raw-\xFF.txt"));
    const std::string root = U8(dir.Text());
    EXPECT_EQ(Print(dir, "names"), "raw-\xFF.txt\n사진 01.jpg\n");
    EXPECT_EQ(Print(dir, "paths"), root + "/raw-\xFF.txt\n" + root + "/가/사진 1.jpg\n");
    EXPECT_EQ(Print(dir, "targets"), root + "/raw-\xFF.txt\n" + root + "/가/사진 01.jpg\n");
    EXPECT_EQ(Print(dir, "table"),
              "번호  현재이름    바꿀이름     파일위치\n"
              "   1  raw-\xEF\xBF\xBD.txt   raw-\xEF\xBF\xBD.txt    " +
                  root +
                  "\n"
                  "   2  사진 1.jpg  사진 01.jpg  " +
                  root + "/가\n");
}

}  // namespace
}  // namespace morvalent::cli
