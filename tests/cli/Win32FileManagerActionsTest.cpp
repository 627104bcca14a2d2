#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cli/win32/ExplorerVerbs.h"

namespace morvalent::cli {
namespace explorer_verbs_test {

// A classes key of the test's own, so the user's real menus stay untouched.
constexpr char16_t kClasses[] = u"Software\\MorvalentTest\\Classes";
constexpr char16_t kProgram[] = u"C:\\프로그램\\Morvalent\\morvalent.exe";

std::optional<std::wstring> Value(const std::wstring& key, const wchar_t* name) {
    wchar_t text[512];
    DWORD bytes = sizeof text;
    const std::wstring path = L"Software\\MorvalentTest\\Classes\\" + key;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(text);
}

bool KeyExists(const std::wstring& key) {
    HKEY handle = nullptr;
    const std::wstring path = L"Software\\MorvalentTest\\Classes\\" + key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(handle);
    return true;
}

std::vector<ActionOutcome> Outcomes(const std::vector<ActionResult>& results) {
    std::vector<ActionOutcome> outcomes;
    for (const ActionResult& result : results) outcomes.push_back(result.outcome);
    return outcomes;
}

class ExplorerVerbsTest : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MorvalentTest"); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MorvalentTest"); }
};

TEST_F(ExplorerVerbsTest, WritesTheInstallersVerbsForThisCopy) {
    const std::vector<ActionResult> results = InstallExplorerVerbs(kClasses, kProgram);
    using enum ActionOutcome;
    EXPECT_EQ(Outcomes(results), (std::vector{Created, Created, Created}));
    EXPECT_EQ(results[2].path.wstring(),
              L"HKEY_CURRENT_USER\\Software\\MorvalentTest\\Classes\\Directory\\Background\\shell"
              L"\\Morvalent");

    EXPECT_EQ(Value(L"*\\shell\\Morvalent", nullptr), L"Morvalent로 이름 바꾸기");
    EXPECT_EQ(Value(L"*\\shell\\Morvalent", L"Icon"), L"C:\\프로그램\\Morvalent\\morvalent.exe,0");
    EXPECT_EQ(Value(L"*\\shell\\Morvalent", L"MultiSelectModel"), L"Player");
    EXPECT_EQ(Value(L"*\\shell\\Morvalent\\command", nullptr),
              L"\"C:\\프로그램\\Morvalent\\morvalent.exe\" \"%1\"");
    EXPECT_EQ(Value(L"Directory\\shell\\Morvalent\\command", nullptr),
              L"\"C:\\프로그램\\Morvalent\\morvalent.exe\" \"%1\"");
    EXPECT_EQ(Value(L"Directory\\Background\\shell\\Morvalent\\command", nullptr),
              L"\"C:\\프로그램\\Morvalent\\morvalent.exe\" \"%V\"");

    EXPECT_EQ(Outcomes(InstallExplorerVerbs(kClasses, kProgram)),
              (std::vector{Unchanged, Unchanged, Unchanged}));
    // A copy unpacked elsewhere takes the verbs over.
    EXPECT_EQ(Outcomes(InstallExplorerVerbs(kClasses, u"D:\\morvalent.exe")),
              (std::vector{Replaced, Replaced, Replaced}));
    EXPECT_EQ(Value(L"Directory\\shell\\Morvalent\\command", nullptr),
              L"\"D:\\morvalent.exe\" \"%1\"");
}

TEST_F(ExplorerVerbsTest, RemovalLeavesTheUsersOwnVerbsAndNoEmptyKeys) {
    HKEY own = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER,
                              L"Software\\MorvalentTest\\Classes\\*\\shell\\mine\\command", 0,
                              nullptr, 0, KEY_WRITE, nullptr, &own, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(own);
    InstallExplorerVerbs(kClasses, kProgram);

    using enum ActionOutcome;
    EXPECT_EQ(Outcomes(RemoveExplorerVerbs(kClasses)), (std::vector{Removed, Removed, Removed}));
    EXPECT_FALSE(KeyExists(L"*\\shell\\Morvalent"));
    EXPECT_TRUE(KeyExists(L"*\\shell\\mine\\command"));
    EXPECT_FALSE(KeyExists(L"Directory"));
    EXPECT_EQ(Outcomes(RemoveExplorerVerbs(kClasses)), (std::vector{NotThere, NotThere, NotThere}));
}

}  // namespace explorer_verbs_test
}  // namespace morvalent::cli
