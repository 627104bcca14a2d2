#include "cli/Recipe.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <span>

#include "app/Commands.h"
#include "app/DialogChoices.h"
#include "cli/CliTexts.h"
#include "cli/DisplayText.h"
#include "organise/SortSpec.h"
#include "platform/Text.h"

namespace morvalent::cli {
namespace {

using Kind = Step::Kind;

struct OptionInfo {
    int command;
    int arguments;
    std::int32_t choice;  // the list item chosen in the command's dialog
};

// Options that answer one command's dialog with a chosen list item. Every other
// command with an option maps to it one to one, from the command table.
struct ChoiceOption {
    const char* name;
    int command;
    int arguments;
    std::int32_t choice;
    const char* valueNames;
    const char* note;  // after the caption in the usage text
};

const std::vector<ChoiceOption>& ChoiceOptions() {
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
        {"--delete-position", app::CmdDeleteByPosition, 2, position(PositionMode::FromFront),
         "시작 끝", "(앞에서부터 삭제)"},
        {"--delete-position-from-end", app::CmdDeleteByPosition, 2, position(PositionMode::FromEnd),
         "0 개수", "(제일 뒤부터 삭제: 이름 끝의 글자 개수만큼)"},
        {"--pad-digits", app::CmdPadDigits, 1, run(DigitRun::Last), "자리수", "(제일 뒷번호 맞춤)"},
        {"--pad-digits-first", app::CmdPadDigits, 1, run(DigitRun::First), "자리수",
         "(제일 앞번호 맞춤)"},
        {"--number", app::CmdNumberRows, 2, number({.inFront = false, .perFolder = false}),
         "자리수 시작값", "(이름뒤에 번호붙임)"},
        {"--number-front", app::CmdNumberRows, 2, number({.inFront = true, .perFolder = false}),
         "자리수 시작값", "(이름앞에 번호붙임)"},
        {"--number-per-folder", app::CmdNumberRows, 2,
         number({.inFront = false, .perFolder = true}), "자리수 시작값", "(폴더별로 뒤 번호붙임)"},
        {"--number-per-folder-front", app::CmdNumberRows, 2,
         number({.inFront = true, .perFolder = true}), "자리수 시작값", "(폴더별로 앞 번호붙임)"},
    };
    return options;
}

// Options whose last values are words choosing the dialog's list item, as in
// `--case lower` or `--date FORMAT taken front`. Only the words of items this
// build offers are known.
struct WordOption {
    const char* name;
    int command;
    int texts;  // dialog texts before the words
    int words;
    const char* valueNames;
    // The list item the words choose; nothing when they choose none.
    std::function<std::optional<std::int32_t>(const std::vector<std::string>&)> choose;
    // The words offered, for the usage text.
    std::function<std::string()> offered;
};

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

// "a, b, c": the words whose items this build offers.
template <typename Value, typename Offered>
std::string OfferedWords(const WordTable<Value>& table, Offered offered) {
    std::string words;
    for (const auto& [name, value] : table) {
        if (!offered(value)) continue;
        if (!words.empty()) words += ", ";
        words += name;
    }
    return words;
}

const std::vector<WordOption>& WordOptions() {
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
    auto offersSource = [](DateSource source) {
        return app::ChoiceOf(app::DateChoices(), app::DatePlacement{source, DatePlace::Front}) >= 0;
    };
    static const std::vector<WordOption> options = {
        {"--case", app::CmdChangeCase, 0, 1, "방식",
         [](const std::vector<std::string>& words) {
             return ChoiceOfWord(cases, words[0], app::CaseChoices());
         },
         [] {
             return "(방식: " +
                    OfferedWords(cases,
                                 [](CaseChange change) {
                                     return app::ChoiceOf(app::CaseChoices(), change) >= 0;
                                 }) +
                    ")";
         }},
        {"--normalize", app::CmdNormalizeNames, 0, 1, "형식",
         [](const std::vector<std::string>& words) {
             return ChoiceOfWord(forms, words[0], app::NormalFormChoices());
         },
         [] { return "(형식: " + OfferedWords(forms, [](NormalForm) { return true; }) + ")"; }},
        {"--date", app::CmdAddDate, 1, 2, "형식 출처 위치",
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
         [offersSource] {
             return "(형식의 YYYY YY MM DD hh mm ss를 날짜로; 출처: " +
                    OfferedWords(sources, offersSource) +
                    "; 위치: " + OfferedWords(places, [](DatePlace) { return true; }) + ")";
         }},
    };
    return options;
}

const WordOption* FindWordOption(const std::string& name) {
    for (const WordOption& option : WordOptions()) {
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
        for (const ChoiceOption& option : ChoiceOptions()) {
            all[option.name] = {option.command, option.arguments, option.choice};
        }
        return all;
    }();
    return options;
}

using organise::SortDirection;
using organise::SortKey;

const std::map<std::string, organise::SortSpec>& SortKeys() {
    static const std::map<std::string, organise::SortSpec> keys = {
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
    };
    return keys;
}

// Commands whose usage shares the line of the command before them.
constexpr int kSharesLineWithPrevious[] = {app::CmdAddSuffix};

// "  --option 값  설명": the description starts in column 38, or on a line of
// its own when the option is too wide.
std::string UsageLine(const std::string& option, const std::string& description) {
    constexpr std::size_t kColumn = 35;
    const std::size_t width = MakeDisplayText(platform::Utf8ToUtf16(option)).width;
    std::string line = "  " + option;
    if (width + 2 <= kColumn)
        line += std::string(kColumn - width, ' ');
    else
        line += "\n" + std::string(kColumn + 2, ' ');
    return line + description + "\n";
}

// The name edits of the tools menu, in its order, with their options.
std::string EditUsage() {
    std::vector<std::pair<std::string, std::string>> entries;  // option, description
    for (const app::MenuInfo& menu : app::MenuBar()) {
        if (std::u16string_view(menu.caption) != u"기능(&T)") continue;
        for (int id : menu.items) {
            const app::CommandInfo* command = app::FindCommand(id);
            if (command == nullptr) continue;
            const std::string caption = platform::Utf16ToUtf8Lossy(command->caption);
            auto add = [&](const char* name, const char* valueNames, const std::string& text) {
                std::string option = name;
                if (valueNames[0] != '\0') option += std::string(" ") + valueNames;
                if (std::ranges::find(kSharesLineWithPrevious, id) !=
                        std::end(kSharesLineWithPrevious) &&
                    !entries.empty()) {
                    entries.back().first += " / " + option;
                    entries.back().second += " / " + text;
                    return;
                }
                entries.emplace_back(option, text);
            };
            if (command->option.name != nullptr) {
                add(command->option.name, command->option.valueNames, caption);
            }
            for (const ChoiceOption& option : ChoiceOptions()) {
                if (option.command == id)
                    add(option.name, option.valueNames, caption + " " + option.note);
            }
            for (const WordOption& option : WordOptions()) {
                if (option.command == id)
                    add(option.name, option.valueNames, caption + " " + option.offered());
            }
        }
    }
    std::string usage;
    for (const auto& [option, description] : entries) usage += UsageLine(option, description);
    return usage;
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

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& args) {
    ParseResult result;
    Recipe& recipe = result.recipe;
    auto fail = [&](std::string message) {
        result.error = std::move(message);
        return result;
    };
    auto push = [&](Step step) { recipe.steps.push_back(std::move(step)); };
    bool pathsOnly = false;
    // Only PATHs next to each other share a batch; any option in between (also
    // one that adds no step, like --print=) starts the next batch afresh. The
    // lone "--" merely ends the options.
    bool previousWasPath = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isPath = pathsOnly || arg.rfind("--", 0) != 0;
        if (isPath) {
            if (!previousWasPath) {
                Step step;
                step.kind = Kind::Gather;
                step.option = "PATH";
                push(std::move(step));
            }
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
        if (arg == "--help") {
            recipe.help = true;
        } else if (arg == "--version") {
            recipe.version = true;
        } else if (arg == "--install-file-manager-actions") {
            recipe.installFileManagerActions = true;
        } else if (arg.rfind("--print=", 0) == 0) {
            const std::string mode = arg.substr(8);
            if (mode == "table")
                recipe.print = PrintMode::Table;
            else if (mode == "names")
                recipe.print = PrintMode::Names;
            else if (mode == "paths")
                recipe.print = PrintMode::Paths;
            else if (mode == "targets")
                recipe.print = PrintMode::Targets;
            else if (mode == "none")
                recipe.print = PrintMode::None;
            else
                return fail(texts::kUnknownPrintMode + mode);
        } else if (arg.rfind("--folders=", 0) == 0) {
            const std::string answer = arg.substr(10);
            if (answer != "contents" && answer != "self") {
                return fail(texts::kUnknownFolderAnswer + answer);
            }
            Step step;
            step.kind = Kind::FolderAnswer;
            step.option = arg;
            step.folderItself = answer == "self";
            push(std::move(step));
        } else if (arg == "--sort") {
            if (!needs(1)) return fail(texts::kSortKeyMissing);
            auto key = SortKeys().find(args[i + 1]);
            if (key == SortKeys().end()) return fail(texts::kUnknownSortKey + args[i + 1]);
            Step step;
            step.option = arg;
            step.command = app::CmdSortList;
            step.choice = organise::SortChoiceOf(key->second);
            push(std::move(step));
            ++i;
        } else if (arg == "--select") {
            if (!needs(1)) return fail(texts::kRowsMissing);
            auto rows = ParseRows(args[i + 1]);
            if (!rows) return fail(texts::kBadRows + args[i + 1]);
            Step step;
            step.kind = Kind::Select;
            step.option = arg;
            step.rows = *rows;
            push(std::move(step));
            ++i;
        } else if (arg == "--delete-rows") {
            Step step;
            step.kind = Kind::DeleteRows;
            step.option = arg;
            push(std::move(step));
        } else if (arg == "--apply") {
            Step step;
            step.kind = Kind::Apply;
            step.option = arg;
            step.command = app::CmdApplyRenames;
            push(std::move(step));
        } else if (const WordOption* word = FindWordOption(arg)) {
            const int count = word->texts + word->words;
            if (!needs(std::size_t(count))) {
                return fail(arg + texts::kValuesMissingMiddle + std::to_string(count) +
                            texts::kValuesMissingTail);
            }
            Step step;
            step.option = arg;
            step.command = word->command;
            for (int k = 1; k <= word->texts; ++k) {
                step.texts.push_back(platform::Utf8ToUtf16(args[i + std::size_t(k)]));
            }
            const auto first = args.begin() + std::ptrdiff_t(i) + 1 + word->texts;
            const std::vector<std::string> words(first, first + word->words);
            const auto choice = word->choose(words);
            if (!choice) {
                std::string typed;
                for (const std::string& w : words) typed += (typed.empty() ? "" : " ") + w;
                return fail(arg + texts::kUnknownWordMiddle + typed);
            }
            step.choice = *choice;
            push(std::move(step));
            i += std::size_t(count);
        } else if (auto option = Options().find(arg); option != Options().end()) {
            const OptionInfo& info = option->second;
            if (!needs(std::size_t(info.arguments))) {
                return fail(arg + texts::kValuesMissingMiddle + std::to_string(info.arguments) +
                            texts::kValuesMissingTail);
            }
            Step step;
            step.option = arg;
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

std::string UsageText() {
    return R"(사용법: morvalent-cli [인수]...
Morvalent 창과 같은 방식으로 파일 이름을 한꺼번에 바꿉니다. 인수는 왼쪽부터 차례로 실행됩니다.

경로
  PATH                      '--'로 시작하지 않는 인수(그리고 '--' 뒤의 모든 인수)는 경로입니다.
                            이어진 경로들은 창에 한 번에 끌어 놓은 것처럼 한 묶음으로 추가됩니다.
                            (이미 목록에 있는 경로는 건너뛰고, 경로 순서로 정렬해 추가합니다.)
  --folders=contents|self   이후 묶음에서 폴더를 만나면: contents = 폴더 안의 파일들 (아니요),
                            self = 폴더 자체 (예, 기본값)

이름 바꾸기 단계 (창의 명령과 같고, 값은 입력창에 입력한 그대로 읽습니다:
                  ""는 빈 칸, 숫자는 앞부분의 정수만, 숫자가 없으면 0)
)" + EditUsage() +
           R"(
목록 단계
  --sort 기준      경로목록 정렬: name, name-desc, path, path-desc, size, size-desc,
                   modified, modified-desc, created, created-desc
  --select 행      지정한 행만 선택 (1부터, 쉼표로 구분: --select 2,5), --select none = 선택 해제
  --direct-rename 이름   선택된 첫 행을 직접 바꾸기
  --move-up / --move-down / --delete-rows   위로 올림 / 아래로 내림 / 선택한 행 삭제
  --revert / --clear                        원래 이름으로 / 경로목록 지우기
  --load-names 파일 / --load-paths 파일     바꿀이름 불러오기 / 경로목록 불러오기
  --save-names 파일 / --save-paths 파일     문서파일로 바꿀이름 저장 / 경로목록 저장 (덮어씀)
  --apply                                   실제 파일 변경 (확인으로 답함)

출력 (마지막 단계 뒤, 행 순서대로)
  --print=table    번호, 현재이름, 바꿀이름, 파일위치 (기본값)
  --print=names    바꿀이름        --print=paths    전체경로
  --print=targets  파일위치 + 구분자 + 바꿀이름     --print=none     출력 없음

  --help           이 도움말        --version        버전
  --install-file-manager-actions
                   Nautilus와 Thunar의 오른쪽 단추 메뉴에 'Morvalent로 이름 바꾸기'를
                   이 사용자용으로 설치 (사용자의 다른 동작은 그대로 둠)

메시지 상자의 글은 창에 보이는 그대로 표준 오류로 나갑니다 (--apply의 마지막 메시지도).
잘못된 값 때문에 메시지를 보인 단계에서 실행이 멈추고, 뒤의 단계와 출력은 없습니다.
표준 오류가 터미널이면 오래 걸리는 작업 중에 진행 상황을 보여 줍니다.

종료 상태
  0  모든 단계를 실행했고 실제 파일 변경에 실패가 없음
  1  실제 파일 변경에서 실패한 줄이 있음
  2  잘못된 사용법 (알 수 없는 옵션, 빠진 값, 잘못된 정렬 기준이나 행 번호)
  3  메시지와 함께 단계가 멈춤

예:
  morvalent-cli --folders=contents ~/사진 --number-per-folder-front 3 1 --apply
  morvalent-cli a.txt b.txt --change-extension md --unify-folder ~/문서 --apply
)";
}

}  // namespace morvalent::cli
