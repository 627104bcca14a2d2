#include <gtest/gtest.h>

#include "platform/DurableFiles.h"
#include "platform/StateFolder.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;

TEST(DurableFiles, NewFileAddedToAndCut) {
    TempDir dir;
    const std::u16string folder = dir.Join(u"state/history");
    ASSERT_TRUE(MakeFolders(folder));
    EXPECT_TRUE(MakeFolders(folder));
    const std::u16string path = dir.Join(u"state/history/1.journal");
    {
        AppendFile file;
        ASSERT_TRUE(file.CreateNew(path));
        EXPECT_TRUE(file.Append("one\ntw"));
        EXPECT_TRUE(file.Sync());
        EXPECT_TRUE(SyncFolder(folder));
    }
    AppendFile again;
    EXPECT_FALSE(again.CreateNew(path));
    EXPECT_EQ(ReadWholeFile(path), std::optional<std::string>("one\ntw"));
    // Nothing already there is cut or changed.
    ASSERT_TRUE(again.OpenToAppend(path));
    EXPECT_TRUE(again.Append("o\n"));
    again.Close();
    EXPECT_EQ(ReadWholeFile(path), std::optional<std::string>("one\ntwo\n"));
    EXPECT_TRUE(RemoveFile(path));
    EXPECT_EQ(ReadWholeFile(path), std::nullopt);
    EXPECT_FALSE(again.OpenToAppend(path));
}

}  // namespace
}  // namespace morvalent::platform
