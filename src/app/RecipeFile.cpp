#include "app/RecipeFile.h"

#include <algorithm>

#include "app/Commands.h"
#include "app/ShellWords.h"
#include "app/StepTexts.h"
#include "platform/Text.h"
#include "platform/TextFiles.h"
#include "transfer/TextDecoding.h"

namespace morvalent::app {
namespace {

using Kind = Step::Kind;

// Why a recipe line cannot be a step, or nothing when it can.
std::optional<std::string> RefusalOf(const Recipe& line) {
    // What the program does instead of steps (--help, --print=, --undo) is no step.
    if (!line.notSteps.empty()) return std::string(texts::kRecipeNotAStep) + line.notSteps.front();
    for (const Step& step : line.steps) {
        if (step.kind == Kind::Gather) {
            return texts::kRecipeNoPaths + platform::Utf16ToUtf8Lossy(step.texts.front());
        }
        if (step.kind == Kind::Apply) return std::string(texts::kRecipeNoApply);
        const CommandInfo* command =
            step.kind == Kind::Command ? FindCommand(step.command) : nullptr;
        if (command != nullptr && !command->option.recorded) {
            return texts::kRecipeOutsideList + step.option;
        }
    }
    return std::nullopt;
}

}  // namespace

RecipeSteps ParseRecipe(std::string_view text, const std::string& name) {
    RecipeSteps result;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    auto where = [&](std::size_t line) {
        return name + " " + std::to_string(line) + texts::kLineTail;
    };
    const ShellSplit split = SplitShellLines(text);
    if (split.unclosedQuoteLine) {
        result.error = where(*split.unclosedQuoteLine) + ": " + texts::kUnclosedQuote;
        return result;
    }
    std::vector<Step> steps;
    for (const ShellLine& line : split.lines) {
        // No reader: a recipe names no other recipe.
        const ParseResult parsed = ParseArguments(line.words);
        std::optional<std::string> refusal = parsed.error;
        if (!refusal) refusal = RefusalOf(parsed.recipe);
        if (refusal) {
            result.error = where(line.line) + ": " + *refusal;
            return result;
        }
        for (Step step : parsed.recipe.steps) {
            step.where = where(line.line);
            steps.push_back(std::move(step));
        }
    }
    result.steps = std::move(steps);
    return result;
}

std::string RecipeText(std::span<const Step> steps) {
    std::string text = std::string(texts::kRecipeHeader) + "\n";
    for (const Step& step : steps) {
        const auto words = StepWords(step);
        if (!words) continue;
        std::string line;
        for (const std::string& word : *words) {
            if (!line.empty()) line += ' ';
            line += QuoteWord(word);
        }
        text += line + "\n";
    }
    return text;
}

std::optional<std::string> ReadRecipeFile(std::u16string_view path) {
    // Far beyond any list of steps; a bigger file is some other file.
    constexpr std::size_t kMostBytes = std::size_t(16) << 20;
    platform::InputFile file(path);
    if (!file.IsOpen()) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const auto read = file.Read(buffer, sizeof buffer);
        if (!read) return std::nullopt;
        bytes.append(buffer, *read);
        if (bytes.size() > kMostBytes) return std::nullopt;
        if (*read < sizeof buffer) break;
    }
    // Read the way lists are: a recipe saved by Notepad in the old Korean code page
    // or by PowerShell in UTF-16 reads as the text it shows there. The steps are
    // parsed in UTF-8; bytes that decode to nothing stay as they were.
    std::u16string text = transfer::DecodeTextFile(bytes);
    // A zero character ends the steps: nothing after it is taken for one.
    text.resize(std::min(text.size(), text.find(u'\0')));
    auto utf8 = platform::Utf16ToNative(text);
    if (!utf8) return std::nullopt;
    return utf8;
}

bool WriteRecipeFile(std::u16string_view path, std::string_view text) {
    platform::ReplacingFile file(path);
    return file.IsOpen() && file.Write(text) && file.Commit();
}

}  // namespace morvalent::app
