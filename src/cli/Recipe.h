#pragma once

#include <optional>
#include <string>
#include <vector>

namespace morvalent::cli {

// One step of a command line, in the order given.
struct Step {
    enum class Kind {
        Gather,        // consecutive PATHs: one batch, like one drop
        FolderAnswer,  // --folders=contents|self
        Command,       // a window command, its dialog filled from `texts`
        Select,        // --select ROWS
        DeleteRows,    // the Delete key
        Apply,         // --apply
    };
    Kind kind = Kind::Command;
    std::string option;                 // as written, for messages
    int command = 0;                    // window command id
    std::vector<std::u16string> texts;  // dialog fields, or paths, or the chosen file/folder
    int choice = 0;                     // the list item chosen in the dialog
    bool folderItself = true;           // FolderAnswer
    std::vector<std::size_t> rows;      // Select: 1-based; empty = none
};

enum class PrintMode { Table, Names, Paths, Targets, None };

struct Recipe {
    std::vector<Step> steps;
    PrintMode print = PrintMode::Table;
    bool help = false;
    bool version = false;
    bool installFileManagerActions = false;
};

struct ParseResult {
    Recipe recipe;
    std::optional<std::string> error;  // one line, for a usage error
};

// Reads the arguments (without the program name) left to right.
ParseResult ParseArguments(const std::vector<std::string>& args);

// The usage text, in Korean.
std::string UsageText();

}  // namespace morvalent::cli
