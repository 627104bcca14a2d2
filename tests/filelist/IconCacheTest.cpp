#include <gtest/gtest.h>

#include <vector>

#include "filelist/IconCache.h"

namespace morvalent::filelist {
namespace {

class CountingSource : public IconSource {
  public:
    std::int32_t IconIndexFor(std::u16string_view extension, bool isFolder) override {
        asked.emplace_back(extension, isFolder);
        return static_cast<std::int32_t>(asked.size()) + 10;
    }
    std::vector<std::pair<std::u16string, bool>> asked;
};

TEST(IconCache, AsksOncePerExtensionAndOnceForFolders) {
    CountingSource source;
    IconCache cache(source);
    EXPECT_EQ(cache.GetIconIndex(u".txt", false), 11);
    EXPECT_EQ(cache.GetIconIndex(u".TXT", false), 12);  // case-sensitive keys
    EXPECT_EQ(cache.GetIconIndex(u".txt", false), 11);
    EXPECT_EQ(cache.GetIconIndex(u"", false), 13);  // no extension: the empty key
    EXPECT_EQ(cache.GetIconIndex(u"", false), 13);
    EXPECT_EQ(cache.GetIconIndex(u"", true), 14);
    EXPECT_EQ(cache.GetIconIndex(u"", true), 14);
    EXPECT_EQ(source.asked.size(), 4u);
    EXPECT_TRUE(source.asked[3].second);
}

}  // namespace
}  // namespace morvalent::filelist
