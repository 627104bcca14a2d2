#include <gtest/gtest.h>

#include <string>

#include "edits/InfoEdits.h"
#include "platform/NameRules.h"
#include "support/TempDir.h"

namespace morvalent::edits {
namespace {

using platform::TagText;

FileInfo Everything() {
    FileInfo info;
    info.music.artist = TagText{u"IU", false};
    info.music.album = TagText{u"Palette", false};
    info.music.title = TagText{u"밤편지", false};
    info.music.genre = TagText{u"K-Pop", false};
    info.music.track = 7;
    info.music.disc = 2;
    info.music.year = 2017;
    info.photo.make = u"Canon";
    info.photo.model = u"Canon EOS R5";
    info.photo.lens = u"RF24-105mm F4 L";
    info.photo.width = 8192;
    info.photo.height = 5464;
    info.photo.iso = 100;
    info.photo.taken = platform::DateTimeFields{2024, 5, 17, 14, 3, 9};
    info.video.recorded = platform::DateTimeFields{2023, 1, 2, 3, 4, 5};
    info.video.durationSeconds = 3725;
    return info;
}

TEST(InfoFormat, FieldTable) {
    const FileInfo info = Everything();
    FileInfo clip;
    clip.video = {platform::DateTimeFields{2023, 1, 2, 3, 4, 5}, 75};
    struct Row {
        const char16_t* format;
        const FileInfo& info;
        const char16_t* expected;
    } rows[] = {
        {u"{artist} - {title}", info, u"IU - 밤편지"},
        {u"{아티스트} - {제목} ({앨범}, {연도})", info, u"IU - 밤편지 (Palette, 2017)"},
        {u"{Track}.{genre}", info, u"07.K-Pop"},
        {u"{track:3}-{disc}{디스크:2}{트랙}{장르}", info, u"007-20207K-Pop"},
        {u"{camera} {lens} {width}x{height} ISO{iso}", info,
         u"Canon EOS R5 RF24-105mm F4 L 8192x5464 ISO100"},
        {u"{taken:YYYY-MM-DD}", info, u"2024-05-17"},
        {u"{taken}", info, u"2024-05-17_140309"},
        {u"{recorded:YY/MM/DD hh}", info, u"23_01_02 03"},
        {u"{duration}", info, u"01-02-05"},
        {u"{duration}", clip, u"01-15"},
        // A video's recording time stands in for the date taken.
        {u"{taken:YYYYMMDD}", clip, u"20230102"},
        {u"no fields } at all", info, u"no fields } at all"},
    };
    for (const Row& row : rows) {
        const InfoFormat format(row.format);
        EXPECT_EQ(format.UnknownField(), u"");
        EXPECT_EQ(format.Format(row.info), std::u16string(row.expected)) << testing::U8(row.format);
    }
}

TEST(InfoFormat, MissingValueGivesNoText) {
    FileInfo info = Everything();
    info.music.album.reset();
    info.music.genre = TagText{u"  ", false};
    for (const char16_t* format : {u"{album}", u"{title} {genre}", u"{recorded}"}) {
        EXPECT_EQ(InfoFormat(format).Format(
                      format == std::u16string_view(u"{recorded}") ? FileInfo{} : info),
                  std::nullopt)
            << testing::U8(format);
    }
}

TEST(InfoFormat, UnknownFieldsAndSources) {
    for (const char16_t* field : {u"{foo}", u"{artist", u"{title:3}", u"{track:x}", u"{track:0}"}) {
        EXPECT_EQ(InfoFormat(std::u16string(u"a ") + field).UnknownField(), field);
    }
    const InfoSources music = InfoFormat(u"{artist}").Sources();
    EXPECT_TRUE(music.music && !music.camera && !music.taken && !music.video);
    const InfoSources photo = InfoFormat(u"{taken} {iso}").Sources();
    EXPECT_TRUE(!photo.music && photo.camera && photo.taken && !photo.video);
}

TEST(TagValue, KoreanStoredAsLatin1) {
    struct Row {
        const char16_t* stored;
        bool latin1;
        const char16_t* expected;
    } rows[] = {
        {u"\u00B0\u00A1\u00BC\u00F6", true, u"가수"},
        {u"\u00B3\u00EB\u00B7\u00A1 Song", true, u"노래 Song"},
        {u"\u00B0\u00A1\u00BC\u00F6", false, u"\u00B0\u00A1\u00BC\u00F6"},
        {u"Café", true, u"Café"},
        // CP949 would take the A as the second byte of a syllable.
        {u"\u00B0A", true, u"\u00B0A"},
        {u"plain", true, u"plain"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TagValue(TagText{row.stored, row.latin1}), row.expected)
            << testing::U8(row.stored);
    }
}

TEST(CameraName, MakerNamedOnce) {
    using Name = std::optional<std::u16string>;
    EXPECT_EQ(CameraName(u"NIKON CORPORATION", u"NIKON D750"), u"NIKON D750");
    EXPECT_EQ(CameraName(u"Apple", u"iPhone 12"), u"Apple iPhone 12");
    EXPECT_EQ(CameraName(u"samsung", u"SM-G960N"), u"samsung SM-G960N");
    EXPECT_EQ(CameraName(std::nullopt, u"X100V"), u"X100V");
    EXPECT_EQ(CameraName(std::nullopt, std::nullopt), Name());
}

TEST(NameSafeValue, Table) {
    EXPECT_EQ(NameSafeValue(u"AC/DC"), u"AC_DC");
    EXPECT_EQ(NameSafeValue(u"  Tab\there\n "), u"Tab_here");
    EXPECT_EQ(NameSafeValue(u"lone \xD800 half"), u"lone _ half");
    EXPECT_EQ(NameSafeValue(u"   "), std::nullopt);
}

TEST(NameSafeValue, LongValuesAreCutBetweenCharacters) {
    auto repeat = [](std::u16string_view piece, int times) {
        std::u16string text;
        for (int i = 0; i < times; ++i) text += piece;
        return text;
    };
    struct Row {
        const char* name;
        std::u16string piece;
    } rows[] = {
        {"syllables", u"가"},
        {"surrogate pairs", u"\U0001F600"},
        {"decomposed syllables", u"\u1100\u1161\u11A8"},
        {"letters", u"a"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto cut = NameSafeValue(repeat(row.piece, 400));
        ASSERT_TRUE(cut.has_value());
        EXPECT_EQ(cut->size() % row.piece.size(), 0u);
        EXPECT_EQ(*cut, repeat(row.piece, int(cut->size() / row.piece.size())));
        EXPECT_EQ(platform::CheckTargetName(u"", *cut), platform::NameFault::None);
        EXPECT_EQ(platform::CheckTargetName(u"", *cut + row.piece), platform::NameFault::TooLong);
    }
}

}  // namespace
}  // namespace morvalent::edits
