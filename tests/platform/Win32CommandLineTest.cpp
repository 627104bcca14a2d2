#include <gtest/gtest.h>

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

TEST(Win32CommandLine, ConsoleCodePageIsRestored) {
    if (!SetConsoleOutputCP(949)) GTEST_SKIP() << "no console";
    {
        const Utf8Console console;
        EXPECT_EQ(GetConsoleOutputCP(), UINT(CP_UTF8));
    }
    EXPECT_EQ(GetConsoleOutputCP(), 949u);
}

}  // namespace
}  // namespace morvalent::platform
