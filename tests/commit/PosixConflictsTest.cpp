#include <gtest/gtest.h>

#include "ConflictTable.h"
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

}  // namespace
}  // namespace morvalent::commit::conflict_testing
