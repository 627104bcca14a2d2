#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/CommandId.h"

// The terminal's options as steps: the one parser of the command line and of
// recipe files, and its inverse for the steps the window records.
namespace morvalent::app {

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
    CommandId command = CommandId::Ok;  // Command and Apply: the window command
    std::vector<std::u16string> texts;  // dialog fields, or paths, or the chosen file/folder
    int choice = 0;                     // the list item chosen in the dialog
    bool folderItself = true;           // FolderAnswer
    std::vector<std::size_t> rows;      // Select: 1-based; empty = none
    std::string where;                  // "a.mvr 3번째 줄" for a recipe's step, for messages
};

enum class PrintMode { Table, Names, Paths, Targets, Conflicts, None };

struct Recipe {
    std::vector<Step> steps;
    PrintMode print = PrintMode::Table;
    bool printGiven = false;
    bool help = false;
    bool version = false;
    bool installFileManagerActions = false;
    bool removeFileManagerActions = false;
    bool history = false;  // --history
    // --undo (empty: the newest commit not yet undone) or --undo=ID.
    std::optional<std::string> undo;
    // The options given that are no steps ("--help", "--print="), for a recipe's refusal.
    std::vector<std::string> notSteps;
};

struct ParseResult {
    Recipe recipe;
    std::optional<std::string> error;  // one line, for a usage error
};

// The bytes of a recipe file named by `--recipe`, or nothing when it cannot be read.
using RecipeReader = std::function<std::optional<std::string>(const std::string& path)>;

// Reads the arguments (without the program name) left to right. `--recipe FILE`
// puts the file's steps in its place, read with `readRecipe`; without one it is
// refused (a recipe names no other recipe).
ParseResult ParseArguments(const std::vector<std::string>& args,
                           const RecipeReader& readRecipe = {});

// The words that give the step on a command line; nothing for a step no option
// gives (a command without one, a list item no option chooses, a gathering).
std::optional<std::vector<std::string>> StepWords(const Step& step);

// How an option takes its values.
enum class ValueForm {
    None,          // --help
    Joined,        // --print=MODE
    NoneOrJoined,  // --undo, or --undo=ID
    Next,          // --sort KEY, and a command's values: the next arguments
};

// What an option's reader is given.
struct OptionReading {
    Recipe& recipe;
    const RecipeReader& readRecipe;
    const std::string& written;  // the option as given ("--print=names")
};

// The options that are no window command's: what the program does instead of
// steps, and the steps of their own kind. `ParseArguments` reads by this table,
// the usage and the shell completion list it.
struct ProgramOption {
    const char* name;  // "--print"
    ValueForm form;
    // The words its value may be, in the usage's order; empty when the value is free.
    std::vector<std::string> words = {};
    // A step, which a recipe line may give.
    bool step = false;
    // The usage error when a Next value is missing.
    const char* missing = nullptr;
    // Reads the option with its value (empty when it has none); a usage error's
    // text when the value is refused.
    std::function<std::optional<std::string>(const OptionReading&, const std::string& value)> read;
};
std::span<const ProgramOption> ProgramOptions();

// The `--print=` modes by name, in the usage's order.
struct PrintModeName {
    const char* name;
    PrintMode mode;
};
std::span<const PrintModeName> PrintModes();

// Every option as a shell completes it: its name, how it takes its values, and
// for each value the words it may be (none: any text or a path).
struct OptionSyntax {
    std::string name;
    ValueForm form;
    std::vector<std::vector<std::string>> values;
};
std::vector<OptionSyntax> AllOptionSyntax();

// Options that answer one command's dialog with a chosen list item. Every other
// command with an option maps to it one to one, from the command table.
struct ChoiceOption {
    const char* name;
    CommandId command;
    int arguments;
    std::int32_t choice;
    const char* valueNames;
    const char* note;  // after the caption in the usage text
};
std::span<const ChoiceOption> ChoiceOptions();

// Options whose last values are words choosing the dialog's list item, as in
// `--case lower` or `--date FORMAT taken front`. Only the words of items this
// build offers are known.
struct WordOption {
    const char* name;
    CommandId command;
    int texts;  // dialog texts before the words
    int words;
    const char* valueNames;
    // The list item the words choose; nothing when they choose none.
    std::function<std::optional<std::int32_t>(const std::vector<std::string>&)> choose;
    // The words that choose the list item; nothing for an item no words choose.
    std::function<std::optional<std::vector<std::string>>(std::int32_t)> wordsOf;
    // The words offered, for the usage text.
    std::function<std::string()> offered;
    // The words offered for each word value, in order.
    std::function<std::vector<std::vector<std::string>>()> wordsOffered;
};
std::span<const WordOption> WordOptions();

}  // namespace morvalent::app
