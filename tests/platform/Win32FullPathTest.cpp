#include <gtest/gtest.h>

#include "platform/Path.h"

namespace morvalent::platform {
namespace {

TEST(Win32FullPath, DriveRootsAndShares) {
    struct Case {
        std::u16string typed, expected;
    };
    const Case cases[] = {
        {u"C:\\", u"C:\\"},
        {u"C:\\missing\\..\\a\\.\\b.txt", u"C:\\a\\b.txt"},
        {u"C:/missing/x/", u"C:\\missing\\x"},
        {u"\\\\server\\share\\a\\..\\b.txt", u"\\\\server\\share\\b.txt"},
        {u"\\\\server\\share\\", u"\\\\server\\share"},
        {u"D:\\Photos\\\\", u"D:\\Photos"},
        {u"C:\\t\\trail ", u"C:\\t\\trail "},
        {u"C:\\t\\dot.", u"C:\\t\\dot."},
        {u"\\\\?\\C:\\t\\a", u"C:\\t\\a"},
        {u"\\\\?\\UNC\\server\\share\\a", u"\\\\server\\share\\a"},
    };
    for (const Case& c : cases) EXPECT_EQ(FullPath(c.typed), c.expected);
}

}  // namespace
}  // namespace morvalent::platform
