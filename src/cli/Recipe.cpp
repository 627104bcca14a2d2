#include "cli/Recipe.h"

#include <algorithm>
#include <map>

#include "app/Commands.h"
#include "cli/CliTexts.h"
#include "platform/Text.h"

namespace morvalent::cli {
namespace {

using Kind = Step::Kind;

struct OptionInfo {
    int command;
    int arguments;
    int choice;
};

// Every step option: its command, how many dialog texts follow, the list item.
const std::map<std::string, OptionInfo>& Options() {
    static const std::map<std::string, OptionInfo> options = {
        {"--replace", {app::CmdReplaceString, 2, 0}},
        {"--prefix", {app::CmdAddPrefix, 1, 0}},
        {"--suffix", {app::CmdAddSuffix, 1, 0}},
        {"--erase-name", {app::CmdEraseName, 0, 0}},
        {"--delete-position", {app::CmdDeleteByPosition, 2, 0}},
        {"--delete-position-from-end", {app::CmdDeleteByPosition, 2, 1}},
        {"--delete-enclosed", {app::CmdDeleteEnclosed, 2, 0}},
        {"--keep-digits", {app::CmdKeepDigitsOnly, 0, 0}},
        {"--pad-digits", {app::CmdPadDigits, 1, 0}},
        {"--pad-digits-first", {app::CmdPadDigits, 1, 1}},
        {"--number", {app::CmdNumberRows, 2, 0}},
        {"--number-front", {app::CmdNumberRows, 2, 1}},
        {"--number-per-folder", {app::CmdNumberRows, 2, 2}},
        {"--number-per-folder-front", {app::CmdNumberRows, 2, 3}},
        {"--delete-extension", {app::CmdDeleteExtension, 0, 0}},
        {"--add-extension", {app::CmdAddExtension, 1, 0}},
        {"--change-extension", {app::CmdChangeExtension, 1, 0}},
        {"--folder-name-front", {app::CmdPrefixFolderName, 0, 0}},
        {"--folder-name-behind", {app::CmdSuffixFolderName, 0, 0}},
        {"--unify-folder", {app::CmdUnifyFolder, 1, 0}},
        {"--direct-rename", {app::CmdDirectRename, 1, 0}},
        {"--move-up", {app::CmdMoveUp, 0, 0}},
        {"--move-down", {app::CmdMoveDown, 0, 0}},
        {"--revert", {app::CmdRevertNewNames, 0, 0}},
        {"--clear", {app::CmdClearList, 0, 0}},
        {"--load-names", {app::CmdLoadNewNames, 1, 0}},
        {"--load-paths", {app::CmdLoadPathList, 1, 0}},
        {"--save-names", {app::CmdSaveNames, 1, 0}},
        {"--save-paths", {app::CmdSavePaths, 1, 0}},
    };
    return options;
}

const std::map<std::string, int>& SortKeys() {
    static const std::map<std::string, int> keys = {
        {"name", 0},    {"name-desc", 1},    {"path", 2},     {"path-desc", 3},
        {"size", 4},    {"size-desc", 5},    {"modified", 6}, {"modified-desc", 7},
        {"created", 8}, {"created-desc", 9},
    };
    return keys;
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
            step.choice = key->second;
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
  --replace 찾을문자 바꿀문자        문자열 바꾸기
  --prefix 문자열 / --suffix 문자열  앞이름 붙이기 / 뒷이름 붙이기
  --erase-name                       이름 지우기
  --delete-position 시작 끝          위치 지우기 (앞에서부터 삭제)
  --delete-position-from-end 0 개수  위치 지우기 (제일 뒤부터 삭제: 이름 끝의 글자 개수만큼)
  --delete-enclosed 시작문자 끝문자  묶인곳 지우기
  --keep-digits                      숫자만 남기기
  --pad-digits 자리수                자리수 맞추기 (제일 뒷번호 맞춤)
  --pad-digits-first 자리수          자리수 맞추기 (제일 앞번호 맞춤)
  --number 자리수 시작값             번호 붙이기 (이름뒤에 번호붙임)
  --number-front 자리수 시작값       번호 붙이기 (이름앞에 번호붙임)
  --number-per-folder 자리수 시작값  번호 붙이기 (폴더별로 뒤 번호붙임)
  --number-per-folder-front 자리수 시작값
                                     번호 붙이기 (폴더별로 앞 번호붙임)
  --delete-extension                 확장자 삭제
  --add-extension 확장자             확장자 추가
  --change-extension 확장자          확장자 변경
  --folder-name-front                경로명 앞에
  --folder-name-behind               경로명 뒤에
  --unify-folder 폴더                경로 통일하기

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
