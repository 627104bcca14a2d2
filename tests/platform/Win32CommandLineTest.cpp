#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include <windows.h>

#include "platform/CommandLine.h"
#include "platform/win32/CommandLine.h"

namespace morvalent::platform {
namespace {

using Args = std::vector<std::string>;

TEST(Win32CommandLine, SplitAsWindowsDoesInUtf8) {
    struct Case {
        const char* name;
        std::u16string line;
        Args expected;
    };
    const Case cases[] = {
        {"program only", u"morvalent-cli.exe", {}},
        {"Korean path in quotes",
         u"morvalent-cli.exe \"C:\\사진 모음\\가.jpg\" --prefix x",
         {"C:\\사진 모음\\가.jpg", "--prefix", "x"}},
        {"empty argument", u"morvalent-cli.exe --replace a \"\"", {"--replace", "a", ""}},
        {"quoted program path", u"\"C:\\Program Files\\m.exe\" a", {"a"}},
        {"share", u"m.exe \\\\server\\share\\b.txt", {"\\\\server\\share\\b.txt"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ArgumentsOfCommandLine(c.line), c.expected) << c.name;
    }
}

// Korean text reaches a console as characters, and the console's code page is
// never changed, so a program stopped by Ctrl+C leaves nothing to restore.
TEST(Win32CommandLine, ConsoleGetsWideTextAndKeepsItsCodePage) {
    HANDLE screen =
        CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
    if (screen == INVALID_HANDLE_VALUE || !SetConsoleOutputCP(949)) GTEST_SKIP() << "no console";
    const HANDLE before = GetStdHandle(STD_OUTPUT_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, screen);
    {
        const Utf8Console console;
        // A character cut between two writes arrives whole.
        std::cout << "\xED\x95" << std::flush << "\x9C\xEA\xB8\x80 ok" << std::flush;
        EXPECT_EQ(GetConsoleOutputCP(), 949u);
    }
    SetStdHandle(STD_OUTPUT_HANDLE, before);
    wchar_t shown[8] = {};
    DWORD read = 0;
    ASSERT_TRUE(ReadConsoleOutputCharacterW(screen, shown, 2, COORD{0, 0}, &read));
    EXPECT_EQ(std::wstring(shown, read), L"한글");
    CloseHandle(screen);
}

}  // namespace
}  // namespace morvalent::platform
