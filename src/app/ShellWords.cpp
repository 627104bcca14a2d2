#include "app/ShellWords.h"

namespace morvalent::app {
namespace {

// Characters no shell treats specially anywhere in a word; bytes from 0x80 on
// (Hangul and every other non-ASCII letter) are left as they are too.
bool IsPlain(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) return true;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return std::string_view("-_./,:=+@%").find(c) != std::string_view::npos;
}

}  // namespace

std::string QuoteWord(std::string_view word) {
    bool plain = !word.empty();
    for (char c : word) plain = plain && IsPlain(c);
    if (plain) return std::string(word);
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

ShellSplit SplitShellLines(std::string_view text) {
    ShellSplit result;
    ShellLine current;
    std::string word;
    bool inWord = false;  // a word has begun, even an empty quoted one
    std::size_t line = 1;
    std::size_t wordLine = 1;  // where the word began: a quoted word may span lines
    auto endWord = [&] {
        if (!inWord) return;
        if (current.words.empty()) current.line = wordLine;
        current.words.push_back(std::move(word));
        word.clear();
        inWord = false;
    };
    auto endLine = [&] {
        endWord();
        if (!current.words.empty()) result.lines.push_back(std::move(current));
        current = ShellLine();
    };
    auto startWord = [&] {
        if (!inWord) wordLine = line;
        inWord = true;
    };
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const char c = text[i];
        if (c == '\n') {
            endLine();
            ++line;
            ++i;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            endWord();
            ++i;
            continue;
        }
        if (c == '#' && !inWord) {
            while (i < n && text[i] != '\n') ++i;
            continue;
        }
        if (c == '\\') {
            if (i + 1 < n && text[i + 1] == '\n') {
                ++line;
                i += 2;
                continue;
            }
            startWord();
            if (i + 1 < n) word += text[i + 1];
            i += 2;
            continue;
        }
        if (c == '\'' || c == '"') {
            startWord();
            const std::size_t opened = line;
            ++i;
            bool closed = false;
            while (i < n) {
                const char q = text[i];
                if (q == c) {
                    closed = true;
                    ++i;
                    break;
                }
                if (q == '\n') ++line;
                if (c == '"' && q == '\\' && i + 1 < n &&
                    std::string_view("\"\\$`\n").find(text[i + 1]) != std::string_view::npos) {
                    if (text[i + 1] == '\n')
                        ++line;
                    else
                        word += text[i + 1];
                    i += 2;
                    continue;
                }
                word += q;
                ++i;
            }
            if (!closed) {
                result.unclosedQuoteLine = opened;
                return result;
            }
            continue;
        }
        startWord();
        word += c;
        ++i;
    }
    endLine();
    return result;
}

}  // namespace morvalent::app
