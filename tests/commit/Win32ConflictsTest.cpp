#include <gtest/gtest.h>

#include "ConflictTable.h"

namespace morvalent::commit::conflict_testing {
namespace {

using enum Conflict;

TEST(Win32FindConflicts, WindowsNamingRules) {
    ExpectConflicts({
        {"reserved characters, device names, a trailing dot or space",
         {"a", "b", "c", "d", "e"},
         {{u"a", u"a:b"}, {u"b", u"x?"}, {u"c", u"con.txt"}, {u"d", u"d."}, {u"e", u"e "}},
         {Invalid, Invalid, Invalid, Invalid, Invalid}},
        {"an item whose name differs only in case is at the target",
         {"a", "B.TXT", "\xc3\x89.txt"},
         {{u"a", u"b.txt"}, {u"B.TXT", u"\u00e9.txt"}},
         {Exists, Exists}},
        {"the console's and the clock's device names",
         {"a", "b", "c"},
         {{u"a", u"CONIN$"}, {u"b", u"conout$.log"}, {u"c", u"Clock$"}},
         {Invalid, Invalid, Invalid}},
        {"Greek targets differing in case name one place",
         {"a", "b"},
         {{u"a", u"\u03a9mega"}, {u"b", u"\u03c9mega"}},
         {None, Exists}},
        {"targets differing in non-ASCII case name one place",
         {"a", "b"},
         {{u"a", u"\u00c9"}, {u"b", u"\u00e9"}},
         {None, Exists}},
    });
}

}  // namespace
}  // namespace morvalent::commit::conflict_testing
