#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Words of a command line written down as a shell reads them, so a recipe line
// can be pasted after the program's name in a terminal and back.
namespace morvalent::app {

// The word as one shell word: as it is when it holds only characters a shell
// leaves alone, otherwise in single quotes ('' for an empty word).
std::string QuoteWord(std::string_view word);

// One command line of a text: its words and the line it starts on (1-based).
struct ShellLine {
    std::size_t line = 0;
    std::vector<std::string> words;
};

struct ShellSplit {
    std::vector<ShellLine> lines;
    std::optional<std::size_t> unclosedQuoteLine;  // the line a quote was opened on
};

// Splits a text into command lines and their words: blanks separate words, a
// newline ends a command line, '#' at a word's start comments out the rest of
// the line; single quotes keep everything, double quotes keep all but \" \\ \$ \`
// and a backslash outside quotes keeps the next character (a newline after it
// goes on with the line).
ShellSplit SplitShellLines(std::string_view text);

}  // namespace morvalent::app
