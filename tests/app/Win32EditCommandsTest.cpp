#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "commit/TargetCheck.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "support/DialogFixture.h"
#include "support/ListTexts.h"
#include "support/ScriptedUi.h"

namespace morvalent::app {
namespace {

using Names = std::vector<std::u16string>;

struct Win32EditCommandsTest : testing::DialogFixture<> {
    void AddRows(const Names& paths) {
        for (const auto& path : paths) AddRow(path);
    }
};

TEST_F(Win32EditCommandsTest, UnifyFolderOntoADriveRootGivesTheDriveAlone) {
    AddRows({u"C:\\Photos\\2020\\a.jpg", u"C:\\b.txt", u"\\\\server\\share\\c.txt"});
    ui.folderAnswers.push_back(u"D:\\");
    dialog.UnifyFolder();
    EXPECT_EQ(FolderTexts(), (Names{u"D:", u"D:", u"D:"}));
    // The commit puts every item straight into the root of D:.
    EXPECT_EQ(commit::CheckTargets(dialog.List()).targets,
              (Names{u"D:\\a.jpg", u"D:\\b.txt", u"D:\\c.txt"}));
    // A drive alone has no folder name to put in front.
    dialog.PrefixFolderName();
    EXPECT_EQ(NewNames(), (Names{u"a.jpg", u"b.txt", u"c.txt"}));

    ui.folderAnswers.push_back(u"D:\\Album\\");
    dialog.UnifyFolder();
    EXPECT_EQ(FolderTexts(), (Names{u"D:\\Album", u"D:\\Album", u"D:\\Album"}));
    dialog.PrefixFolderName();
    EXPECT_EQ(NewNames(), (Names{u"Album_a.jpg", u"Album_b.txt", u"Album_c.txt"}));
}

TEST_F(Win32EditCommandsTest, FolderNameEditsOnDrivesAndShares) {
    AddRows({u"C:\\Photos\\2020\\a.jpg", u"C:\\b.txt", u"\\\\server\\share\\c.txt"});
    EXPECT_EQ(FolderTexts(), (Names{u"C:\\Photos\\2020", u"C:", u"\\\\server\\share"}));
    dialog.SuffixFolderName();
    EXPECT_EQ(NewNames(), (Names{u"a_2020.jpg", u"b.txt", u"c_share.txt"}));
}

}  // namespace
}  // namespace morvalent::app
