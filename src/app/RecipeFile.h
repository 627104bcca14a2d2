#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/Steps.h"

// Recipe files: the steps of a list, one command line of the terminal's options
// a line, in UTF-8.
namespace morvalent::app {

struct RecipeSteps {
    std::vector<Step> steps;
    // "<name> <n>번째 줄: <reason>" for the first line refused; then no steps.
    std::optional<std::string> error;
};

// Parses a recipe's text with the terminal's parser, line by line. `name` tells
// the file in messages. Paths, --apply, --recipe, --undo, --history, options that
// read or write files outside the list (not `recorded`) and options that are no step
// are refused with their line; every step carries its line in `where`.
RecipeSteps ParseRecipe(std::string_view text, const std::string& name);

// The text of a recipe holding the steps that have options: the header comment,
// then one line per step, its words quoted as a shell reads them.
std::string RecipeText(std::span<const Step> steps);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadRecipeFile(std::u16string_view path);
// Writes the file through a temporary beside it; false when it could not.
bool WriteRecipeFile(std::u16string_view path, std::string_view text);

}  // namespace morvalent::app
