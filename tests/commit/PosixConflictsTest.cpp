#include <gtest/gtest.h>

#include "ConflictTable.h"
#include "support/ForwardingFileSystem.h"
#include "support/TempDir.h"

namespace morvalent::commit::conflict_testing {
namespace {

using enum Conflict;

TEST(PosixFindConflicts, LinuxNamingRules) {
    std::u16string deep;
    for (int i = 0; i < 17; ++i) deep += std::u16string(250, u'n') + u"/";
    std::string deep15;
    for (int i = 0; i < 15; ++i) deep15 += std::string(250, 'n') + "/";
    ExpectConflicts({
        {"255 bytes of Hangul fit, 258 do not",
         {"a", "b"},
         {{u"a", std::u16string(85, u'한')}, {u"b", std::u16string(86, u'한')}},
         {None, TooLong}},
        {"a folder beyond 4095 bytes", {"a"}, {{u"a", deep + u"x"}}, {TooLong}},
        // The commit and the undo rename inside the open folder.
        {"a path beyond 4095 bytes in a folder that fits",
         {deep15 + "a"},
         {{testing::U16(deep15) + u"a", std::u16string(250, u'm')}},
         {None}},
        {"characters Windows refuses are names here",
         {"a", "b"},
         {{u"a", u"a:b*?"}, {u"b", u"CON.txt"}},
         {None, None}},
        {"a name that is not UTF-8 is at the target",
         {"a", "\xff.txt"},
         {{u"a", u"\xDCFF.txt"}},
         {Exists}},
        {"names differing in case are different places", {"a", "B"}, {{u"a", u"b"}}, {None}},
    });
}

// A volume made for Windows (FAT, exFAT, NTFS) refuses what Windows refuses, here too.
TEST(PosixFindConflicts, WindowsRulesOnVolumesMadeForWindows) {
    testing::WindowsVolumeFileSystem fs;
    fs.windowsVolume = u"win";
    ExpectConflicts(
        {
            {"characters, trailing dot and space, devices",
             {"win/"},
             {{u"win/a", u"a:b.txt"},
              {u"win/b", u"b?"},
              {u"win/c", u"c."},
              {u"win/d", u"d "},
              {u"win/e", u"Lpt1.txt"},
              {u"win/f", u"tab\tname"},
              {u"win/g", u"back\\slash"},
              {u"win/h", u"COM10.txt"},
              {u"win/i", u"한글.txt"}},
             {Invalid, Invalid, Invalid, Invalid, Invalid, Invalid, Invalid, None, None}},
            {"the target's folder decides, not the item's",
             {"win/", "home/"},
             {{u"home/a", u"a:b.txt", u"win"}, {u"win/b", u"b:c.txt", u"home"}},
             {Invalid, None}},
            {"into a folder an earlier row makes there",
             {"win/", "win/x/"},
             {{u"win/x", u"y", {}, true}, {u"win/x/a", u"a*.txt", u"win/y"}},
             {None, Invalid}},
        },
        &fs);
}

}  // namespace
}  // namespace morvalent::commit::conflict_testing
