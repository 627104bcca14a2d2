#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "filelist/FileList.h"
#include "support/TempDir.h"
#include "transfer/ExportText.h"
#include "transfer/Lines.h"
#include "transfer/TextFile.h"

namespace morvalent::transfer {
namespace {

using namespace std::string_literals;
using testing::TempDir;

struct TextFileTest : ::testing::Test {
    void SetNames(const std::vector<std::u16string>& names) {
        list.Clear();
        for (const std::u16string& name : names) {
            filelist::FileEntry entry;
            entry.path = testing::NativePath(u"/d/") + name;
            list.SetNewName(list.InsertEntryRow(std::move(entry)), name);
        }
    }
    TempDir dir;
    filelist::PlainIconSource source;
    filelist::IconCache icons{source};
    filelist::FileList list{icons};
};

TEST_F(TextFileTest, WritesMarkThenLittleEndianUnits) {
    struct Row {
        const char* name;
        std::vector<std::u16string> names;
        std::string bytes;
    };
    const Row rows[] = {
        {"empty list", {}, "\xFF\xFE"s},
        {"three names",
         {u"a.txt", u"b.txt", u"c.txt"},
         "\xFF\xFE"
         "a\0.\0t\0x\0t\0\r\0\n\0"
         "b\0.\0t\0x\0t\0\r\0\n\0"
         "c\0.\0t\0x\0t\0\r\0\n\0"s},
        {"empty name",
         {u"a", u"", u"c"},
         "\xFF\xFE"
         "a\0\r\0\n\0\r\0\n\0c\0\r\0\n\0"s},
        {"Korean", {u"한글"}, "\xFF\xFE\x5C\xD5\x00\xAE\r\0\n\0"s},
        {"beyond the basic plane", {u"\U0001F600"}, "\xFF\xFE\x3D\xD8\x00\xDE\r\0\n\0"s},
    };
    for (const Row& row : rows) {
        SetNames(row.names);
        ASSERT_TRUE(WriteTextFile(dir.Join(u"out.txt"), list, false)) << row.name;
        EXPECT_EQ(dir.ReadFile("out.txt"), row.bytes) << row.name;
    }
    SetNames({u"a.txt", u"b.txt", u"c.txt"});
    ASSERT_TRUE(WriteTextFile(dir.Join(u"out.txt"), list, false));
    EXPECT_EQ(dir.ReadFile("out.txt").size(), 44u);
}

TEST_F(TextFileTest, LongListRoundTrips) {
    std::vector<std::u16string> names;
    char buffer[32];
    for (int i = 0; i < 100000; ++i) {
        std::snprintf(buffer, sizeof buffer, "name-%06d", i);
        names.push_back(testing::U16(buffer));
    }
    SetNames(names);
    ASSERT_TRUE(WriteTextFile(dir.Join(u"long.txt"), list, false));
    EXPECT_EQ(dir.ReadFile("long.txt").size(), 2u + 100000u * 26u);
    const TextRead read = ReadTextFile(dir.Join(u"long.txt"));
    ASSERT_EQ(read.failure, ReadFailure::None);
    const auto lines = ReadLines(read.text);
    ASSERT_EQ(lines.size(), 100000u);
    EXPECT_EQ(lines.front(), u"name-000000");
    EXPECT_EQ(lines[65536], u"name-065536");
    EXPECT_EQ(lines.back(), u"name-099999");
}

TEST_F(TextFileTest, ReadsFilesOfEveryKind) {
    struct Row {
        const char* name;
        std::string bytes;
        std::u16string text;
    };
    const Row rows[] = {
        {"empty", ""s, u""},
        {"one byte", "a"s, u""},
        {"two bytes", "ab"s, u""},
        {"mark alone", "\xFF\xFE"s, u""},
        {"mark and one byte",
         "\xFF\xFE"
         "a"s,
         u"a"},
        {"little-endian",
         "\xFF\xFE"
         "a\0\r\0\n\0\x5C\xD5"s,
         u"a\r\n한"},
        {"odd last byte",
         "\xFF\xFE"
         "a\0b"s,
         u"ab"},
        {"big-endian", "\xFE\xFF\xD5\x5C"s, u"한"},
        {"UTF-8 mark", "\xEF\xBB\xBF\xED\x95\x9C"s, u"한"},
        {"UTF-8", "\xED\x95\x9C\n"s, u"한\n"},
        {"CP949", "\xC7\xD1\xB1\xDB\n"s, u"한글\n"},
        {"three ASCII bytes", "abc"s, u"abc"},
    };
    for (const Row& row : rows) {
        dir.WriteFile("in.txt", row.bytes);
        const TextRead read = ReadTextFile(dir.Join(u"in.txt"));
        EXPECT_EQ(read.failure, ReadFailure::None) << row.name;
        EXPECT_EQ(read.text, row.text) << row.name;
    }
    EXPECT_EQ(ReadTextFile(dir.Join(u"missing.txt")).failure, ReadFailure::Unreadable);
    EXPECT_EQ(ReadTextFile(dir.Text()).failure, ReadFailure::Unreadable);
}

// A long file is read in pieces of 256 KiB; what lies across their edges decodes as
// it would in one piece, and bytes found to be no UTF-8 late still decide for the
// whole file.
TEST_F(TextFileTest, LongFilesDecodeAsOnePiece) {
    struct Row {
        const char* name;
        std::string head;
        std::string tail;
        std::u16string text;  // after the run of 'a'
    };
    const Row rows[] = {
        {"character across the edge", "", "\xED\x95\x9C", u"한"},
        {"CP949 after the first piece", "", "\xC7\xD1\n", u"한\n"},
        {"neither: bytes kept", "", "\xC7\xD1.txt\xC7", u"\xDCC7\xDCD1.txt\xDCC7"},
        {"UTF-8 mark, character across the edge", "\xEF\xBB\xBF", "\xED\x95\x9C", u"한"},
        {"UTF-8 mark keeps odd bytes", "\xEF\xBB\xBF", "\xC7\xD1", u"\xDCC7\xDCD1"},
    };
    for (const Row& row : rows) {
        for (std::size_t run = 262140; run <= 262144; ++run) {
            dir.WriteFile("long.txt", row.head + std::string(run, 'a') + row.tail);
            EXPECT_EQ(ReadTextFile(dir.Join(u"long.txt")).text,
                      std::u16string(run, u'a') + row.text)
                << row.name << " after " << run;
        }
    }
}

// Too large by its size, or found so only while reading (a pipe says no size):
// the reason is the size, never that it could not be read.
TEST_F(TextFileTest, RefusesFilesOverTheLimit) {
    for (const std::string& head : {"a\n"s, "\xFF\xFE"s}) {
        dir.WriteFile("big.txt", head);
        std::filesystem::resize_file(dir.Path() / "big.txt", kMaxTextFileBytes + 1);
        EXPECT_EQ(ReadTextFile(dir.Join(u"big.txt")).failure, ReadFailure::TooLarge);
    }
    for (const std::string& bytes : {"abcdefghij"s,
                                     "\xFF\xFE"
                                     "a\0b\0c\0d\0e\0"s,
                                     "\xFE\xFF\0a\0b\0c\0d\0e"s,
                                     "abc\xC7\xD1"
                                     "defgh"s}) {
        dir.WriteFile("in.txt", bytes);
        EXPECT_EQ(ReadTextFile(dir.Join(u"in.txt"), 8).failure, ReadFailure::TooLarge) << bytes;
        EXPECT_EQ(ReadTextFile(dir.Join(u"in.txt"), 16).failure, ReadFailure::None) << bytes;
    }
    const TextRead big{{}, ReadFailure::TooLarge, 0};
    EXPECT_EQ(ReadFailureText(big, u"/d/big.txt"),
              u"목록 파일이 너무 큽니다 (최대 256 MiB).\n/d/big.txt");
}

// A zero would end the path it lies in where the system takes it.
TEST_F(TextFileTest, RefusesAZeroCharacterByItsLine) {
    struct Row {
        const char* name;
        std::string bytes;
        std::size_t line;
    };
    const Row rows[] = {
        {"UTF-8, third line", "a\nb\nc\0d\ne\n"s, 3},
        {"first byte", "\0abc"s, 1},
        {"CP949", "\xC7\xD1\n\xB1\xDB\0"s, 2},
        {"UTF-16LE",
         "\xFF\xFE"
         "a\0\n\0\0\0b\0"s,
         2},
        {"UTF-16BE", "\xFE\xFF\0a\0\n\0\n\0\0"s, 3},
        {"after the first piece", std::string(300000, 'a') + "\n\0"s, 2},
    };
    for (const Row& row : rows) {
        dir.WriteFile("in.txt", row.bytes);
        const TextRead read = ReadTextFile(dir.Join(u"in.txt"));
        EXPECT_EQ(read.failure, ReadFailure::ZeroCharacter) << row.name;
        EXPECT_EQ(read.line, row.line) << row.name;
    }
    const TextRead zero{{}, ReadFailure::ZeroCharacter, 12};
    EXPECT_EQ(ReadFailureText(zero, u"/d/in.txt"),
              u"목록에 NUL 문자가 있습니다: 12번째 줄\n/d/in.txt");
}

}  // namespace
}  // namespace morvalent::transfer
