#include "platform/win32/CommandLine.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/CommandLine.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <streambuf>

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

namespace {

// Writes UTF-8 to a console as wide text; a character cut between two writes
// waits for its other bytes.
class ConsoleBuffer : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {
        setp(buffer_, buffer_ + sizeof buffer_);
    }
    ~ConsoleBuffer() override { sync(); }

  protected:
    int_type overflow(int_type c) override {
        if (sync() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override {
        const std::string_view bytes(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        std::u16string text(bytes.size(), u'\0');
        const Utf8Decoded decoded = DecodeUtf8(bytes, text.data(), true, true);
        text.resize(decoded.written);
        bool ok = true;
        std::size_t done = 0;
        while (done < text.size()) {
            DWORD written = 0;
            const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 8192));
            if (!WriteConsoleW(console_, text.data() + done, piece, &written, nullptr) ||
                written == 0) {
                ok = false;
                break;
            }
            done += written;
        }
        // The start of a character whose other bytes come with the next write.
        const std::size_t left = bytes.size() - decoded.read;
        std::memmove(buffer_, pbase() + decoded.read, left);
        setp(buffer_, buffer_ + sizeof buffer_);
        pbump(static_cast<int>(left));
        return ok ? 0 : -1;
    }

  private:
    HANDLE console_;
    char buffer_[4096];
};

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

}  // namespace

struct Utf8Console::State {
    std::unique_ptr<ConsoleBuffer> out;
    std::unique_ptr<ConsoleBuffer> err;
    std::streambuf* previousOut = nullptr;
    std::streambuf* previousErr = nullptr;
};

Utf8Console::Utf8Console() : state_(std::make_unique<State>()) {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (IsConsole(out)) {
        std::cout.flush();
        state_->out = std::make_unique<ConsoleBuffer>(out);
        state_->previousOut = std::cout.rdbuf(state_->out.get());
    }
    if (IsConsole(err)) {
        std::cerr.flush();
        state_->err = std::make_unique<ConsoleBuffer>(err);
        state_->previousErr = std::cerr.rdbuf(state_->err.get());
    }
}

Utf8Console::~Utf8Console() {
    if (state_->out) {
        std::cout.flush();
        std::cout.rdbuf(state_->previousOut);
    }
    if (state_->err) {
        std::cerr.flush();
        std::cerr.rdbuf(state_->previousErr);
    }
}

// Explorer's context menu, through the per-user registry.
bool OffersFileManagerActions() { return true; }

}  // namespace morvalent::platform
