#include <gtest/gtest.h>

#include <string>

#include "platform/MediaInfo.h"
#include "platform/Mp4Boxes.h"
#include "support/TempDir.h"
#include "support/TestMedia.h"

namespace morvalent::platform {
namespace {

using namespace std::string_literals;
using testing::Id3v2Frame;
using testing::Mp3;
using testing::Mp4WithMovieHeader;

ReadAt FromMemory(const std::string& bytes) {
    return [&bytes](std::uint64_t offset, char* buffer,
                    std::size_t size) -> std::optional<std::size_t> {
        if (offset > bytes.size()) return std::size_t(0);
        return bytes.copy(buffer, size, std::size_t(offset));
    };
}

constexpr std::uint64_t k2024 = 3798766989;  // 2024-05-17 05:03:09 UTC, from 1904

TEST(ReadMovieHeader, Table) {
    const std::string plain = Mp4WithMovieHeader(k2024, 600, 600 * 75);
    // QuickTime files may begin with their media data; a 64-bit size skips it.
    const std::string version1 = Mp4WithMovieHeader(k2024, 1000, 1000, 1);
    const std::string dataFirst = "\0\0\0\x01mdat"s + "\0\0\0\0\0\0\0\x18"s + "12345678"s +
                                  version1.substr(std::size_t(version1[3]));  // without ftyp
    struct Row {
        const char* name;
        std::string bytes;
        std::optional<MovieHeader> expected;
    } rows[] = {
        {"version 0", plain, MovieHeader{k2024, 600, 45000}},
        {"version 1", Mp4WithMovieHeader(k2024, 1000, 5000, 1), MovieHeader{k2024, 1000, 5000}},
        {"media data first", dataFirst, MovieHeader{k2024, 1000, 1000}},
        {"unknown duration", Mp4WithMovieHeader(k2024, 600, 0xFFFFFFFF),
         MovieHeader{k2024, 600, 0}},
        {"cut inside the header", plain.substr(0, 60), std::nullopt},
        {"not a movie", "just some text that is long enough"s, std::nullopt},
        {"box larger than the file", "\0\0\x10\0ftypisom"s, std::nullopt},
        {"box smaller than its header", "\0\0\0\x04moov"s, std::nullopt},
        {"empty", ""s, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto header = ReadMovieHeader(row.bytes.size(), FromMemory(row.bytes));
        ASSERT_EQ(header.has_value(), row.expected.has_value());
        if (!header) continue;
        EXPECT_EQ(header->creationTime, row.expected->creationTime);
        EXPECT_EQ(header->timescale, row.expected->timescale);
        EXPECT_EQ(header->duration, row.expected->duration);
    }
}

TEST(ReadVideoInfo, DurationRoundsAndNoClockGivesNoTime) {
    testing::TempDir dir;
    dir.WriteFile("clip.mp4", Mp4WithMovieHeader(k2024, 600, 600 * 75 + 400));
    dir.WriteFile("no clock.mov", Mp4WithMovieHeader(0, 600, 600));
    dir.WriteFile("song.mp3", Mp3(""));
    const VideoInfo clip = ReadVideoInfo(dir.Join(u"clip.mp4"));
    EXPECT_TRUE(clip.recorded.has_value());
    EXPECT_EQ(clip.durationSeconds, 76u);
    const VideoInfo noClock = ReadVideoInfo(dir.Join(u"no clock.mov"));
    EXPECT_FALSE(noClock.recorded.has_value());
    EXPECT_EQ(noClock.durationSeconds, 1u);
    EXPECT_FALSE(ReadVideoInfo(dir.Join(u"song.mp3")).durationSeconds.has_value());
    EXPECT_FALSE(ReadVideoInfo(dir.Text()).durationSeconds.has_value());
}

TEST(ReadMusicTags, Table) {
    if (!CanReadMusicTags()) GTEST_SKIP() << "this build reads no music tags";
    // "가수" and "노래" in CP949.
    const std::string singer = "\xB0\xA1\xBC\xF6";
    const std::string song = "\xB3\xEB\xB7\xA1";
    const std::string utf16Title = "\xFF\xFE"s + "S\0o\0n\0g\0"s;
    testing::TempDir dir;
    dir.WriteFile("v2.mp3", Mp3(Id3v2Frame("TPE1", 1, "\xFF\xFE"s + "A\0\x00\xAC"s) +
                                Id3v2Frame("TIT2", 1, utf16Title) + Id3v2Frame("TRCK", 0, "7/12") +
                                Id3v2Frame("TPOS", 0, "2/3") + Id3v2Frame("TYER", 0, "2019")));
    dir.WriteFile("latin1.mp3",
                  Mp3(Id3v2Frame("TPE1", 0, singer) + Id3v2Frame("TIT2", 1, utf16Title)));
    dir.WriteFile("v1.mp3", Mp3("", song, singer, 3));
    dir.WriteFile("untagged.mp3", Mp3(""));
    dir.WriteFile("damaged.mp3", "ID3\x03\0\0\x7F\x7F\x7F\x7FTPE1\xFF\xFF\xFF\xFF"s);

    const MusicTags v2 = ReadMusicTags(dir.Join(u"v2.mp3"));
    EXPECT_EQ(v2.artist, (TagText{u"A가", false}));
    EXPECT_EQ(v2.title, (TagText{u"Song", false}));
    EXPECT_EQ(v2.track, 7u);
    EXPECT_EQ(v2.disc, 2u);
    EXPECT_EQ(v2.year, 2019u);

    // Latin-1 text keeps its bytes as characters U+0080..U+00FF, flagged.
    const MusicTags latin1 = ReadMusicTags(dir.Join(u"latin1.mp3"));
    EXPECT_EQ(latin1.artist, (TagText{u"\u00B0\u00A1\u00BC\u00F6", true}));
    EXPECT_EQ(latin1.title, (TagText{u"Song", false}));

    const MusicTags v1 = ReadMusicTags(dir.Join(u"v1.mp3"));
    EXPECT_EQ(v1.artist, (TagText{u"\u00B0\u00A1\u00BC\u00F6", true}));
    EXPECT_EQ(v1.title, (TagText{u"\u00B3\u00EB\u00B7\u00A1", true}));
    EXPECT_EQ(v1.track, 3u);

    for (const char16_t* name : {u"untagged.mp3", u"damaged.mp3", u"missing.mp3"}) {
        const MusicTags none = ReadMusicTags(dir.Join(name));
        EXPECT_FALSE(none.artist || none.title || none.track) << testing::U8(name);
    }
}

}  // namespace
}  // namespace morvalent::platform
