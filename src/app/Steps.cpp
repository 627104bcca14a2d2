#include "app/Steps.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <span>

#include "app/Commands.h"
#include "app/DialogChoices.h"
#include "app/RecipeFile.h"
#include "app/StepTexts.h"
#include "organise/SortSpec.h"
#include "platform/Text.h"

namespace morvalent::app {
namespace {

using Kind = Step::Kind;

struct OptionInfo {
    CommandId command;
    int arguments;
    std::int32_t choice;  // the list item chosen in the command's dialog
};

const std::vector<ChoiceOption>& ChoiceOptionList() {
    using app::ChoiceOf;
    using app::NumberPlacement;
    using edits::DigitRun;
    using edits::PositionMode;
    auto position = [](PositionMode mode) { return ChoiceOf(app::PositionChoices(), mode); };
    auto run = [](DigitRun digits) { return ChoiceOf(app::DigitRunChoices(), digits); };
    auto number = [](NumberPlacement placement) {
        return ChoiceOf(app::NumberChoices(), placement);
    };
    static const std::vector<ChoiceOption> options = {
        {"--delete-position", app::CommandId::DeleteByPosition, 2,
         position(PositionMode::FromFront), "시작 끝", "(앞에서부터 삭제)"},
        {"--delete-position-from-end", app::CommandId::DeleteByPosition, 2,
         position(PositionMode::FromEnd), "0 개수", "(제일 뒤부터 삭제: 이름 끝의 글자 개수만큼)"},
        {"--pad-digits", app::CommandId::PadDigits, 1, run(DigitRun::Last), "자리수",
         "(제일 뒷번호 맞춤)"},
        {"--pad-digits-first", app::CommandId::PadDigits, 1, run(DigitRun::First), "자리수",
         "(제일 앞번호 맞춤)"},
        {"--number", app::CommandId::NumberRows, 2, number({.inFront = false, .perFolder = false}),
         "자리수 시작값", "(이름뒤에 번호붙임)"},
        {"--number-front", app::CommandId::NumberRows, 2,
         number({.inFront = true, .perFolder = false}), "자리수 시작값", "(이름앞에 번호붙임)"},
        {"--number-per-folder", app::CommandId::NumberRows, 2,
         number({.inFront = false, .perFolder = true}), "자리수 시작값", "(폴더별로 뒤 번호붙임)"},
        {"--number-per-folder-front", app::CommandId::NumberRows, 2,
         number({.inFront = true, .perFolder = true}), "자리수 시작값", "(폴더별로 앞 번호붙임)"},
    };
    return options;
}

template <typename Value>
using WordTable = std::vector<std::pair<std::string, Value>>;

// The list position of the value a word stands for; nothing for an unknown word
// or one whose item this build does not offer.
template <typename Value>
std::optional<std::int32_t> ChoiceOfWord(const WordTable<Value>& table, const std::string& word,
                                         std::span<const app::DialogChoice<Value>> choices) {
    for (const auto& [name, value] : table) {
        if (name != word) continue;
        const std::int32_t choice = app::ChoiceOf(choices, value);
        if (choice >= 0) return choice;
    }
    return std::nullopt;
}

// The word whose value is at the list position; nothing when none is.
template <typename Value>
std::optional<std::vector<std::string>> WordOfChoice(
    const WordTable<Value>& table, std::int32_t choice,
    std::span<const app::DialogChoice<Value>> choices) {
    for (const auto& [name, value] : table) {
        if (app::ChoiceOf(choices, value) == choice) return std::vector<std::string>{name};
    }
    return std::nullopt;
}

// The words whose items this build offers.
template <typename Value, typename Offered>
std::vector<std::string> OfferedList(const WordTable<Value>& table, Offered offered) {
    std::vector<std::string> words;
    for (const auto& [name, value] : table) {
        if (offered(value)) words.push_back(name);
    }
    return words;
}

// "a, b, c".
std::string Listed(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : ", ") + word;
    return text;
}

template <typename Value, typename Offered>
std::string OfferedWords(const WordTable<Value>& table, Offered offered) {
    return Listed(OfferedList(table, offered));
}

constexpr auto kAll = [](auto) { return true; };

const std::vector<WordOption>& WordOptionList() {
    using edits::CaseChange;
    using edits::DatePlace;
    using edits::DateSource;
    using platform::NormalForm;
    static const WordTable<CaseChange> cases = {
        {"lower", CaseChange::NameLower},          {"upper", CaseChange::NameUpper},
        {"title", CaseChange::NameTitle},          {"ext-lower", CaseChange::ExtensionLower},
        {"ext-upper", CaseChange::ExtensionUpper},
    };
    static const WordTable<NormalForm> forms = {
        {"nfc", NormalForm::Nfc},
        {"nfd", NormalForm::Nfd},
        {"nfkc", NormalForm::Nfkc},
    };
    static const WordTable<DateSource> sources = {
        {"taken", DateSource::Taken},
        {"modified", DateSource::Modified},
        {"created", DateSource::Created},
    };
    static const WordTable<DatePlace> places = {
        {"front", DatePlace::Front},
        {"behind", DatePlace::Behind},
        {"replace", DatePlace::Replace},
    };
    auto offersCase = [](CaseChange change) {
        return app::ChoiceOf(app::CaseChoices(), change) >= 0;
    };
    auto offersSource = [](DateSource source) {
        return app::ChoiceOf(app::DateChoices(), app::DatePlacement{source, DatePlace::Front}) >= 0;
    };
    static const std::vector<WordOption> options = {
        {"--case", app::CommandId::ChangeCase, 0, 1, "방식",
         [](const std::vector<std::string>& words) {
             return ChoiceOfWord(cases, words[0], app::CaseChoices());
         },
         [](std::int32_t choice) { return WordOfChoice(cases, choice, app::CaseChoices()); },
         [offersCase] { return "(방식: " + OfferedWords(cases, offersCase) + ")"; },
         [offersCase] {
             return std::vector<std::vector<std::string>>{OfferedList(cases, offersCase)};
         }},
        {"--normalize", app::CommandId::NormalizeNames, 0, 1, "형식",
         [](const std::vector<std::string>& words) {
             return ChoiceOfWord(forms, words[0], app::NormalFormChoices());
         },
         [](std::int32_t choice) { return WordOfChoice(forms, choice, app::NormalFormChoices()); },
         [] { return "(형식: " + OfferedWords(forms, kAll) + ")"; },
         [] { return std::vector<std::vector<std::string>>{OfferedList(forms, kAll)}; }},
        {"--date", app::CommandId::AddDate, 1, 2, "형식 출처 위치",
         [offersSource](const std::vector<std::string>& words) -> std::optional<std::int32_t> {
             for (const auto& [sourceWord, source] : sources) {
                 if (sourceWord != words[0] || !offersSource(source)) continue;
                 for (const auto& [placeWord, place] : places) {
                     if (placeWord == words[1]) {
                         return app::ChoiceOf(app::DateChoices(),
                                              app::DatePlacement{source, place});
                     }
                 }
             }
             return std::nullopt;
         },
         [](std::int32_t choice) -> std::optional<std::vector<std::string>> {
             for (const auto& [sourceWord, source] : sources) {
                 for (const auto& [placeWord, place] : places) {
                     if (app::ChoiceOf(app::DateChoices(), app::DatePlacement{source, place}) ==
                         choice) {
                         return std::vector<std::string>{sourceWord, placeWord};
                     }
                 }
             }
             return std::nullopt;
         },
         [offersSource] {
             return "(형식의 YYYY YY MM DD hh mm ss를 날짜로; 출처: " +
                    OfferedWords(sources, offersSource) + "; 위치: " + OfferedWords(places, kAll) +
                    ")";
         },
         [offersSource] {
             return std::vector<std::vector<std::string>>{OfferedList(sources, offersSource),
                                                          OfferedList(places, kAll)};
         }},
        {"--info", app::CommandId::AddInfo, 1, 1, "형식 위치",
         [](const std::vector<std::string>& words) {
             return ChoiceOfWord(places, words[0], app::InfoChoices());
         },
         [](std::int32_t choice) { return WordOfChoice(places, choice, app::InfoChoices()); },
         [] {
             return "(형식의 {artist} {title} {track} {album} {camera} {taken:YYYY-MM-DD} "
                    "{recorded:YYYY-MM-DD} {duration} 등을 파일 속 정보로; 위치: " +
                    OfferedWords(places, kAll) + ")";
         },
         [] { return std::vector<std::vector<std::string>>{OfferedList(places, kAll)}; }},
    };
    return options;
}

const WordOption* FindWordOption(const std::string& name) {
    for (const WordOption& option : WordOptionList()) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

// Every step option: its command, how many dialog texts follow, the list item.
const std::map<std::string, OptionInfo>& Options() {
    static const std::map<std::string, OptionInfo> options = [] {
        std::map<std::string, OptionInfo> all;
        for (const app::CommandInfo& command : app::AllCommands()) {
            if (command.option.name != nullptr) {
                all[command.option.name] = {command.id, command.option.values, 0};
            }
        }
        for (const ChoiceOption& option : ChoiceOptionList()) {
            all[option.name] = {option.command, option.arguments, option.choice};
        }
        return all;
    }();
    return options;
}

using organise::SortDirection;
using organise::SortKey;

// The --sort keys, in the usage's order.
const std::vector<std::pair<std::string, organise::SortSpec>>& SortKeys() {
    static const std::vector<std::pair<std::string, organise::SortSpec>> keys = {
        {"name", {SortKey::Name, SortDirection::Ascending}},
        {"name-desc", {SortKey::Name, SortDirection::Descending}},
        {"path", {SortKey::Path, SortDirection::Ascending}},
        {"path-desc", {SortKey::Path, SortDirection::Descending}},
        {"size", {SortKey::Size, SortDirection::Ascending}},
        {"size-desc", {SortKey::Size, SortDirection::Descending}},
        {"modified", {SortKey::Modified, SortDirection::Ascending}},
        {"modified-desc", {SortKey::Modified, SortDirection::Descending}},
        {"created", {SortKey::Created, SortDirection::Ascending}},
        {"created-desc", {SortKey::Created, SortDirection::Descending}},
        {"name-natural", {SortKey::NaturalName, SortDirection::Ascending}},
        {"name-natural-desc", {SortKey::NaturalName, SortDirection::Descending}},
    };
    return keys;
}

constexpr PrintModeName kPrintModes[] = {
    {"table", PrintMode::Table},         {"names", PrintMode::Names},
    {"paths", PrintMode::Paths},         {"targets", PrintMode::Targets},
    {"conflicts", PrintMode::Conflicts}, {"none", PrintMode::None},
};

// --folders=: the answer to the folder question, by word.
constexpr std::pair<const char*, bool> kFolderAnswers[] = {{"contents", false}, {"self", true}};

template <typename Table>
std::vector<std::string> FirstWords(const Table& table) {
    std::vector<std::string> words;
    for (const auto& [word, value] : table) words.emplace_back(word);
    return words;
}

std::optional<std::vector<std::size_t>> ParseRows(const std::string& text) {
    std::vector<std::size_t> rows;
    if (text == "none") return rows;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, comma - start);
        if (part.empty() || part.size() > 9 ||
            part.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt;
        }
        const std::size_t row = std::stoul(part);
        if (row == 0) return std::nullopt;
        rows.push_back(row);
        start = comma + 1;
    }
    return rows;
}

std::string SpaceJoined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

Step StepOf(Kind kind, const std::string& option) {
    Step step;
    step.kind = kind;
    step.option = option;
    return step;
}

// A flag of the recipe that is no step.
ProgramOption Flag(const char* name, bool Recipe::*flag) {
    return {.name = name,
            .form = ValueForm::None,
            .read = [flag](const OptionReading& reading,
                           const std::string&) -> std::optional<std::string> {
                reading.recipe.*flag = true;
                return std::nullopt;
            }};
}

const std::vector<ProgramOption>& ProgramOptionList() {
    using Error = std::optional<std::string>;
    static const std::vector<ProgramOption> options = {
        Flag("--help", &Recipe::help),
        Flag("--version", &Recipe::version),
        Flag("--install-file-manager-actions", &Recipe::installFileManagerActions),
        Flag("--remove-file-manager-actions", &Recipe::removeFileManagerActions),
        Flag("--history", &Recipe::history),
        {.name = "--undo",
         .form = ValueForm::NoneOrJoined,
         .read = [](const OptionReading& reading, const std::string& id) -> Error {
             reading.recipe.undo = id;
             return std::nullopt;
         }},
        {.name = "--print",
         .form = ValueForm::Joined,
         .words = FirstWords(kPrintModes),
         .read = [](const OptionReading& reading, const std::string& mode) -> Error {
             reading.recipe.printGiven = true;
             const auto* found = std::ranges::find(kPrintModes, mode, &PrintModeName::name);
             if (found == std::end(kPrintModes)) return texts::kUnknownPrintMode + mode;
             reading.recipe.print = found->mode;
             return std::nullopt;
         }},
        {.name = "--folders",
         .form = ValueForm::Joined,
         .words = FirstWords(kFolderAnswers),
         .step = true,
         .read = [](const OptionReading& reading, const std::string& answer) -> Error {
             const auto* found = std::ranges::find_if(
                 kFolderAnswers, [&](const auto& row) { return answer == row.first; });
             if (found == std::end(kFolderAnswers)) return texts::kUnknownFolderAnswer + answer;
             Step step = StepOf(Kind::FolderAnswer, reading.written);
             step.folderItself = found->second;
             reading.recipe.steps.push_back(std::move(step));
             return std::nullopt;
         }},
        {"--sort", ValueForm::Next, FirstWords(SortKeys()), true, texts::kSortKeyMissing,
         [](const OptionReading& reading, const std::string& word) -> Error {
             const auto key = std::ranges::find(SortKeys(), word,
                                                &std::pair<std::string, organise::SortSpec>::first);
             if (key == SortKeys().end()) return texts::kUnknownSortKey + word;
             Step step = StepOf(Kind::Command, reading.written);
             step.command = CommandId::SortList;
             step.choice = organise::SortChoiceOf(key->second);
             reading.recipe.steps.push_back(std::move(step));
             return std::nullopt;
         }},
        {.name = "--select",
         .form = ValueForm::Next,
         .step = true,
         .missing = texts::kRowsMissing,
         .read = [](const OptionReading& reading, const std::string& text) -> Error {
             auto rows = ParseRows(text);
             if (!rows) return texts::kBadRows + text;
             Step step = StepOf(Kind::Select, reading.written);
             step.rows = std::move(*rows);
             reading.recipe.steps.push_back(std::move(step));
             return std::nullopt;
         }},
        {.name = "--delete-rows",
         .form = ValueForm::None,
         .step = true,
         .read = [](const OptionReading& reading, const std::string&) -> Error {
             reading.recipe.steps.push_back(StepOf(Kind::DeleteRows, reading.written));
             return std::nullopt;
         }},
        {.name = "--apply",
         .form = ValueForm::None,
         .step = true,
         .read = [](const OptionReading& reading, const std::string&) -> Error {
             Step step = StepOf(Kind::Apply, reading.written);
             step.command = CommandId::ApplyRenames;
             reading.recipe.steps.push_back(std::move(step));
             return std::nullopt;
         }},
        {.name = "--recipe",
         .form = ValueForm::Next,
         .step = true,
         .missing = texts::kRecipeFileMissing,
         .read = [](const OptionReading& reading, const std::string& file) -> Error {
             if (!reading.readRecipe) return texts::kRecipeNoRecipe;
             const auto bytes = reading.readRecipe(file);
             if (!bytes) return texts::kRecipeUnreadable + file;
             RecipeSteps read = ParseRecipe(*bytes, file);
             if (read.error) return read.error;
             for (Step& step : read.steps) reading.recipe.steps.push_back(std::move(step));
             return std::nullopt;
         }},
    };
    return options;
}

// The program option `arg` names, with the value it carries after '='.
const ProgramOption* FindProgramOption(const std::string& arg, std::string& joinedValue) {
    for (const ProgramOption& option : ProgramOptionList()) {
        const std::string_view name = option.name;
        const bool takesJoined =
            option.form == ValueForm::Joined || option.form == ValueForm::NoneOrJoined;
        if (arg == name && option.form != ValueForm::Joined) return &option;
        if (takesJoined && arg.size() > name.size() && arg.starts_with(name) &&
            arg[name.size()] == '=') {
            joinedValue = arg.substr(name.size() + 1);
            return &option;
        }
    }
    return nullptr;
}

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& args, const RecipeReader& readRecipe) {
    ParseResult result;
    Recipe& recipe = result.recipe;
    auto fail = [&](std::string message) {
        result.error = std::move(message);
        return result;
    };
    auto push = [&](Step step) { recipe.steps.push_back(std::move(step)); };
    auto valuesMissing = [&](const std::string& arg, int count) {
        return fail(arg + texts::kValuesMissingMiddle + std::to_string(count) +
                    texts::kValuesMissingTail);
    };
    bool pathsOnly = false;
    // Only PATHs next to each other share a batch; any option in between (also
    // one that adds no step, like --print=) starts the next batch afresh. The
    // lone "--" merely ends the options.
    bool previousWasPath = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isPath = pathsOnly || arg.rfind("--", 0) != 0;
        if (isPath) {
            if (!previousWasPath) push(StepOf(Kind::Gather, "PATH"));
            recipe.steps.back().texts.push_back(platform::Utf8ToUtf16(arg));
            previousWasPath = true;
            continue;
        }
        if (arg == "--") {
            pathsOnly = true;
            continue;
        }
        previousWasPath = false;
        auto needs = [&](std::size_t count) { return i + count < args.size(); };
        std::string value;
        if (const ProgramOption* option = FindProgramOption(arg, value)) {
            if (option->form == ValueForm::Next) {
                if (!needs(1)) return fail(option->missing);
                value = args[++i];
            }
            if (!option->step) {
                const bool joined = arg.size() > std::string_view(option->name).size();
                recipe.notSteps.push_back(joined ? std::string(option->name) + "=" : arg);
            }
            if (auto error = option->read({recipe, readRecipe, arg}, value)) {
                return fail(std::move(*error));
            }
        } else if (const WordOption* word = FindWordOption(arg)) {
            const int count = word->texts + word->words;
            if (!needs(std::size_t(count))) return valuesMissing(arg, count);
            Step step = StepOf(Kind::Command, arg);
            step.command = word->command;
            for (int k = 1; k <= word->texts; ++k) {
                step.texts.push_back(platform::Utf8ToUtf16(args[i + std::size_t(k)]));
            }
            const auto first = args.begin() + std::ptrdiff_t(i) + 1 + word->texts;
            const std::vector<std::string> words(first, first + word->words);
            const auto choice = word->choose(words);
            if (!choice) return fail(arg + texts::kUnknownWordMiddle + SpaceJoined(words));
            step.choice = *choice;
            push(std::move(step));
            i += std::size_t(count);
        } else if (auto option = Options().find(arg); option != Options().end()) {
            const OptionInfo& info = option->second;
            if (!needs(std::size_t(info.arguments))) return valuesMissing(arg, info.arguments);
            Step step = StepOf(Kind::Command, arg);
            step.command = info.command;
            step.choice = info.choice;
            // Values are taken as typed, even when they begin with "--".
            for (int k = 1; k <= info.arguments; ++k) {
                step.texts.push_back(platform::Utf8ToUtf16(args[i + std::size_t(k)]));
            }
            push(std::move(step));
            i += std::size_t(info.arguments);
        } else {
            return fail(texts::kUnknownOption + arg);
        }
    }
    return result;
}

std::span<const ProgramOption> ProgramOptions() { return ProgramOptionList(); }
std::span<const PrintModeName> PrintModes() { return kPrintModes; }

std::vector<OptionSyntax> AllOptionSyntax() {
    std::vector<OptionSyntax> all;
    for (const ProgramOption& option : ProgramOptionList()) {
        all.push_back({option.name, option.form, {option.words}});
        if (option.form == ValueForm::None) all.back().values.clear();
    }
    auto freeValues = [](int count) {
        return std::vector<std::vector<std::string>>(std::size_t(count));
    };
    for (const WordOption& option : WordOptionList()) {
        auto values = freeValues(option.texts);
        for (auto& words : option.wordsOffered()) values.push_back(std::move(words));
        all.push_back({option.name, ValueForm::Next, std::move(values)});
    }
    for (const auto& [name, info] : Options()) {
        all.push_back({name, ValueForm::Next, freeValues(info.arguments)});
    }
    return all;
}

std::span<const ChoiceOption> ChoiceOptions() { return ChoiceOptionList(); }
std::span<const WordOption> WordOptions() { return WordOptionList(); }

std::optional<std::vector<std::string>> StepWords(const Step& step) {
    auto word = [](std::u16string_view text) {
        // Exact bytes where the text names something on disk, as the parser reads them back.
        if (auto native = platform::Utf16ToNative(text)) return std::move(*native);
        return platform::Utf16ToUtf8Lossy(text);
    };
    // The option's name and its first `count` texts; fields not recorded are empty.
    auto withTexts = [&](const char* name, int count) {
        std::vector<std::string> words{name};
        for (std::size_t k = 0; k < std::size_t(count); ++k) {
            words.push_back(k < step.texts.size() ? word(step.texts[k]) : std::string());
        }
        return words;
    };
    switch (step.kind) {
        case Kind::Gather:
            return std::nullopt;
        case Kind::FolderAnswer:
            return std::vector<std::string>{step.folderItself ? "--folders=self"
                                                              : "--folders=contents"};
        case Kind::Select: {
            std::string rows;
            for (std::size_t row : step.rows) {
                if (!rows.empty()) rows += ',';
                rows += std::to_string(row);
            }
            return std::vector<std::string>{"--select", rows.empty() ? "none" : rows};
        }
        case Kind::DeleteRows:
            return std::vector<std::string>{"--delete-rows"};
        case Kind::Apply:
            return std::vector<std::string>{"--apply"};
        case Kind::Command:
            break;
    }
    if (step.command == CommandId::SortList) {
        for (const auto& [key, spec] : SortKeys()) {
            if (organise::SortChoiceOf(spec) == step.choice) {
                return std::vector<std::string>{"--sort", key};
            }
        }
        return std::nullopt;
    }
    for (const ChoiceOption& option : ChoiceOptionList()) {
        if (option.command == step.command && option.choice == step.choice) {
            return withTexts(option.name, option.arguments);
        }
    }
    for (const WordOption& option : WordOptionList()) {
        if (option.command != step.command) continue;
        const auto chosen = option.wordsOf(step.choice);
        if (!chosen) return std::nullopt;
        std::vector<std::string> words = withTexts(option.name, option.texts);
        words.insert(words.end(), chosen->begin(), chosen->end());
        return words;
    }
    const CommandInfo* command = FindCommand(step.command);
    if (command == nullptr || command->option.name == nullptr) return std::nullopt;
    return withTexts(command->option.name, command->option.values);
}

}  // namespace morvalent::app
