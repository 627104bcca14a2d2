#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "platform/StateFolder.h"

namespace morvalent::platform {
namespace {

TEST(Win32StateFolder, UnderLocalAppData) {
    wchar_t old[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", old, MAX_PATH);
    struct Case {
        const wchar_t* value;
        std::optional<std::u16string> folder;
    };
    const Case cases[] = {
        {L"C:\\Users\\u\\AppData\\Local", u"C:\\Users\\u\\AppData\\Local\\Morvalent"},
        {L"D:\\Local\\", u"D:\\Local\\Morvalent"},
        {nullptr, std::nullopt},
    };
    for (const Case& c : cases) {
        SetEnvironmentVariableW(L"LOCALAPPDATA", c.value);
        EXPECT_EQ(DefaultStateFolder(), c.folder);
    }
    SetEnvironmentVariableW(L"LOCALAPPDATA", length > 0 && length < MAX_PATH ? old : nullptr);
}

}  // namespace
}  // namespace morvalent::platform
