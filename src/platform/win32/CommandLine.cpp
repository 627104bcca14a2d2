#include "platform/win32/CommandLine.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/CommandLine.h"
#include "platform/Text.h"

namespace morvalent::platform {

std::vector<std::string> ArgumentsOfCommandLine(std::u16string_view commandLine) {
    const std::wstring line(commandLine.begin(), commandLine.end());
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
    if (words == nullptr) return {};
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        const std::wstring_view word(words[i]);
        const std::u16string text(word.begin(), word.end());
        // Escaped bytes come back as themselves; any other lone surrogate cannot
        // be written in UTF-8 and is shown as a replacement character.
        auto utf8 = Utf16ToNative(text);
        arguments.push_back(utf8 ? std::move(*utf8) : Utf16ToUtf8Lossy(text));
    }
    LocalFree(words);
    return arguments;
}

std::vector<std::string> ProgramArguments(int, char**) {
    const std::wstring_view line(GetCommandLineW());
    return ArgumentsOfCommandLine(std::u16string(line.begin(), line.end()));
}

Utf8Console::Utf8Console() {
    const UINT found = GetConsoleOutputCP();
    if (found != 0 && found != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) previous_ = found;
}

Utf8Console::~Utf8Console() {
    if (previous_ != 0) SetConsoleOutputCP(previous_);
}

}  // namespace morvalent::platform
