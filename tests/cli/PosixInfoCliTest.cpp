// Names from what the files say, through the terminal's whole chain: the option,
// the dialog's answers, the readers and the closing message.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/CliRunner.h"
#include "support/PosixTimeZone.h"
#include "support/TempDir.h"
#include "support/TestJpeg.h"
#include "support/TestMedia.h"

namespace morvalent::cli {
namespace {

using namespace std::string_literals;
using testing::Id3v2Frame;
using testing::U8;

struct InfoRun {
    std::string out;
    std::string err;
};

InfoRun RunInfo(const testing::TempDir& dir, const std::string& format, const std::string& place) {
    std::ostringstream out;
    std::ostringstream err;
    RunCommandLine(
        {"--folders=contents", U8(dir.Text()), "--info", format, place, "--apply", "--print=none"},
        out, err);
    return {out.str(), err.str()};
}

TEST(PosixInfoCli, MusicPhotosAndVideoOfOneFolder) {
    const testing::TimeZone seoul("KST-9");
    testing::TempDir dir;
    // Tags written by a Korean Windows program: CP949 bytes stored as ISO-8859-1.
    dir.WriteFile("track01.mp3", testing::Mp3(Id3v2Frame("TPE1", 0, "\xBE\xC6\xC0\xCC\xC0\xAF") +
                                              Id3v2Frame("TIT2", 0, "\xB9\xE3\xC6\xED\xC1\xF6")));
    dir.WriteFile("track02.mp3", testing::Mp3("", "AC/DC Live", "AC/DC"));
    dir.WriteFile("untagged.mp3", testing::Mp3(""));
    dir.WriteFile("IMG_0001.jpg", testing::JpegWithDateTaken("2024:05:17 14:03:09"));
    // 2024-05-17 05:03:09 UTC is 14:03:09 in Seoul.
    dir.WriteFile("MOV_0002.mp4", testing::Mp4WithMovieHeader(3798766989, 600, 6000));

    const InfoRun music = RunInfo(dir, "{artist} - {title}", "replace");
    EXPECT_NE((music.out + music.err).find("3개 파일에는 정보가 없어 그대로 두었습니다."),
              std::string::npos);
    EXPECT_TRUE(dir.Exists("아이유 - 밤편지.mp3"));
    EXPECT_TRUE(dir.Exists("AC_DC - AC_DC Live.mp3"));
    EXPECT_TRUE(dir.Exists("untagged.mp3"));

    RunInfo(dir, "{taken:YYYY-MM-DD hh.mm.ss}", "front");
    EXPECT_TRUE(dir.Exists("2024-05-17 14.03.09IMG_0001.jpg"));
    EXPECT_TRUE(dir.Exists("2024-05-17 14.03.09MOV_0002.mp4"));
    EXPECT_TRUE(dir.Exists("untagged.mp3"));
}

TEST(PosixInfoCli, UnknownFieldIsRefusedAndNothingRenamed) {
    testing::TempDir dir;
    dir.WriteFile("a.mp3", testing::Mp3("", "Title", "Artist"));
    const InfoRun run = RunInfo(dir, "{artist} {foo}", "front");
    EXPECT_NE(run.err.find("알 수 없는 정보입니다.\n{foo}"), std::string::npos) << run.err;
    EXPECT_TRUE(dir.Exists("a.mp3"));
}

}  // namespace
}  // namespace morvalent::cli
