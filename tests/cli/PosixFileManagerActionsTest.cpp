#include "cli/posix/XdgActions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace morvalent::cli {
namespace {

constexpr char kScript[] = "data/nautilus/scripts/Morvalent로 이름 바꾸기";
constexpr char kUca[] = "config/Thunar/uca.xml";

constexpr char kOurAction[] =
    "<action>\n"
    "\t<icon>io.github.morvalent.Morvalent</icon>\n"
    "\t<name>Morvalent로 이름 바꾸기</name>\n"
    "\t<submenu></submenu>\n"
    "\t<unique-id>io.github.morvalent.Morvalent</unique-id>\n"
    "\t<command>morvalent -- %F</command>\n"
    "\t<description>선택한 파일과 폴더의 이름을 Morvalent에서 바꿉니다</description>\n"
    "\t<range></range>\n"
    "\t<patterns>*</patterns>\n"
    "\t<directories/>\n"
    "\t<audio-files/>\n"
    "\t<image-files/>\n"
    "\t<other-files/>\n"
    "\t<text-files/>\n"
    "\t<video-files/>\n"
    "</action>\n";

constexpr char kUserActions[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<actions>\n"
    "<action><name>터미널 열기</name><unique-id>1-1</unique-id><command>xterm</command></action>\n"
    "</actions>\n";

struct ThunarCase {
    const char* name;
    std::optional<std::string> before;  // uca.xml before the run; none = missing
    ActionOutcome outcome;
    std::string after;
};

class ThunarActionTest : public ::testing::TestWithParam<ThunarCase> {};

TEST_P(ThunarActionTest, MergesIntoTheUsersActions) {
    const ThunarCase& c = GetParam();
    testing::TempDir home;
    if (c.before) home.WriteFile(kUca, *c.before);
    const UserFolders folders{home.Path() / "data", home.Path() / "config"};

    const std::vector<ActionResult> first = InstallFileManagerActions(folders);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[1].path, home.Path() / kUca);
    EXPECT_EQ(first[1].outcome, c.outcome);
    EXPECT_EQ(home.ReadFile(kUca), c.after);

    // A second run finds everything in place and changes nothing.
    const ActionOutcome second = InstallFileManagerActions(folders)[1].outcome;
    EXPECT_EQ(second, c.outcome == ActionOutcome::NotUnderstood ? ActionOutcome::NotUnderstood
                                                                : ActionOutcome::Unchanged);
    EXPECT_EQ(home.ReadFile(kUca), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThunarActionTest,
    ::testing::Values(
        ThunarCase{"Missing", std::nullopt, ActionOutcome::Created,
                   std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n") +
                       kOurAction + "</actions>\n"},
        ThunarCase{"Empty", std::string("\n"), ActionOutcome::Added,
                   std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n") +
                       kOurAction + "</actions>\n"},
        ThunarCase{"UsersActionsKept", std::string(kUserActions), ActionOutcome::Added,
                   std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<actions>\n"
                               "<action><name>터미널 열기</name><unique-id>1-1</unique-id>"
                               "<command>xterm</command></action>\n") +
                       kOurAction + "</actions>\n"},
        ThunarCase{"ClosingTagOnTheSameLine", std::string("<actions><action/></actions>"),
                   ActionOutcome::Added,
                   std::string("<actions><action/>\n") + kOurAction + "</actions>"},
        ThunarCase{"NotAnActionsFile", std::string("<something/>\n"), ActionOutcome::NotUnderstood,
                   std::string("<something/>\n")}),
    [](const ::testing::TestParamInfo<ThunarCase>& info) { return info.param.name; });

TEST(NautilusScriptTest, IsCreatedRunnableAndLeftAloneTheSecondTime) {
    testing::TempDir home;
    const UserFolders folders{home.Path() / "data", home.Path() / "config"};

    EXPECT_EQ(InstallFileManagerActions(folders)[0].outcome, ActionOutcome::Created);
    EXPECT_EQ(home.ReadFile(kScript),
              "#!/bin/sh\n"
              "# Morvalent: the selected files and folders go to its list.\n"
              "exec morvalent -- \"$@\"\n");
    const auto perms = std::filesystem::status(home.Path() / kScript).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_exec, std::filesystem::perms::none);
    EXPECT_EQ(InstallFileManagerActions(folders)[0].outcome, ActionOutcome::Unchanged);
}

TEST(NautilusScriptTest, AnotherScriptOfThatNameIsKept) {
    testing::TempDir home;
    home.WriteFile(kScript, "#!/bin/sh\necho mine\n");
    const UserFolders folders{home.Path() / "data", home.Path() / "config"};

    EXPECT_EQ(InstallFileManagerActions(folders)[0].outcome, ActionOutcome::KeptOther);
    EXPECT_EQ(home.ReadFile(kScript), "#!/bin/sh\necho mine\n");
}

struct RemovalCase {
    const char* name;
    std::string before;  // uca.xml before the removal
    ActionOutcome outcome;
    std::string after;
};

class ThunarRemovalTest : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(ThunarRemovalTest, TakesOnlyOurActionAway) {
    const RemovalCase& c = GetParam();
    testing::TempDir home;
    home.WriteFile(kUca, c.before);
    const UserFolders folders{home.Path() / "data", home.Path() / "config"};

    const std::vector<ActionResult> results = RemoveFileManagerActions(folders);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].outcome, c.outcome);
    EXPECT_EQ(home.ReadFile(kUca), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThunarRemovalTest,
    ::testing::Values(
        RemovalCase{"InstalledBesideTheUsers",
                    std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n"
                                "<action><name>터미널 열기</name><unique-id>1-1</unique-id>"
                                "<command>xterm</command></action>\n") +
                        kOurAction + "</actions>\n",
                    ActionOutcome::Removed, kUserActions},
        // Thunar indents the elements when it writes the file itself.
        RemovalCase{
            "RewrittenByThunar",
            "<actions>\n  <action>\n    <unique-id>io.github.morvalent.Morvalent</unique-id>\n"
            "  </action>\n  <action>\n    <unique-id>2-2</unique-id>\n  </action>\n"
            "</actions>\n",
            ActionOutcome::Removed,
            "<actions>\n  <action>\n    <unique-id>2-2</unique-id>\n  </action>\n"
            "</actions>\n"},
        RemovalCase{"OnOneLine",
                    "<actions><action><unique-id>io.github.morvalent.Morvalent</unique-id>"
                    "</action><action/></actions>",
                    ActionOutcome::Removed, "<actions><action/></actions>"},
        RemovalCase{"NotOurs", kUserActions, ActionOutcome::NotThere, kUserActions},
        RemovalCase{"IdOutsideAnAction",
                    "<actions><action/><unique-id>io.github.morvalent.Morvalent</unique-id>"
                    "</actions>",
                    ActionOutcome::NotUnderstood,
                    "<actions><action/><unique-id>io.github.morvalent.Morvalent</unique-id>"
                    "</actions>"}),
    [](const ::testing::TestParamInfo<RemovalCase>& info) { return info.param.name; });

TEST(NautilusScriptTest, OursIsRemovedAndTheUsersKept) {
    testing::TempDir home;
    const UserFolders folders{home.Path() / "data", home.Path() / "config"};
    InstallFileManagerActions(folders);
    EXPECT_EQ(RemoveFileManagerActions(folders)[0].outcome, ActionOutcome::Removed);
    EXPECT_FALSE(home.Exists(kScript));
    EXPECT_EQ(RemoveFileManagerActions(folders)[0].outcome, ActionOutcome::NotThere);

    home.WriteFile(kScript, "#!/bin/sh\necho mine\n");
    EXPECT_EQ(RemoveFileManagerActions(folders)[0].outcome, ActionOutcome::KeptOther);
    EXPECT_EQ(home.ReadFile(kScript), "#!/bin/sh\necho mine\n");
}

}  // namespace
}  // namespace morvalent::cli
