#include <algorithm>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/Commands.h"
#include "cli/DisplayText.h"
#include "cli/Recipe.h"
#include "platform/Text.h"

namespace morvalent::cli {
namespace {

// Commands whose usage shares the line of the command before them.
constexpr app::CommandId kSharesLineWithPrevious[] = {app::CommandId::AddSuffix};

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
    for (const app::MenuEntry& entry : app::FindMenu(app::MenuId::Tools).entries) {
        const app::CommandId* item = std::get_if<app::CommandId>(&entry);
        if (item == nullptr) continue;
        const app::CommandId id = *item;
        const app::CommandInfo* command = app::FindCommand(id);
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
        for (const app::ChoiceOption& option : app::ChoiceOptions()) {
            if (option.command == id)
                add(option.name, option.valueNames, caption + " " + option.note);
        }
        for (const app::WordOption& option : app::WordOptions()) {
            if (option.command == id)
                add(option.name, option.valueNames, caption + " " + option.offered());
        }
    }
    std::string usage;
    for (const auto& [option, description] : entries) usage += UsageLine(option, description);
    return usage;
}

const app::ProgramOption& ProgramOption(std::string_view name) {
    return *std::ranges::find_if(app::ProgramOptions(), [&](const app::ProgramOption& option) {
        return name == option.name;
    });
}

std::string JoinedWords(const std::vector<std::string>& words, const char* between) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : between) + word;
    return text;
}

// "a, b, c", broken into lines that start in `column`.
std::string WrappedWords(const std::vector<std::string>& words, std::size_t column) {
    constexpr std::size_t kWidth = 80;
    std::string text;
    std::size_t width = column;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string word = words[i] + (i + 1 < words.size() ? "," : "");
        if (i > 0 && width + 1 + word.size() > kWidth) {
            text += "\n" + std::string(column, ' ');
            width = column;
        } else if (i > 0) {
            text += ' ';
            ++width;
        }
        text += word;
        width += word.size();
    }
    return text;
}

const char* PrintModeText(app::PrintMode mode) {
    switch (mode) {
        case app::PrintMode::Table:
            return "번호, 현재이름, 바꿀이름, 파일위치 (기본값)";
        case app::PrintMode::Names:
            return "바꿀이름";
        case app::PrintMode::Paths:
            return "전체경로";
        case app::PrintMode::Targets:
            return "파일위치 + 구분자 + 바꿀이름";
        case app::PrintMode::Conflicts:
            return "바꾸면 실패할 행마다 번호, 이유, 바꿀 경로 (탭으로 구분):\n"
                   "                                     empty, duplicate, exists, too-long, "
                   "invalid, no-folder";
        case app::PrintMode::None:
            return "출력 없음";
    }
    return "";
}

std::string PrintUsage() {
    std::string usage;
    for (const app::PrintModeName& mode : app::PrintModes()) {
        usage += UsageLine(std::string("--print=") + mode.name, PrintModeText(mode.mode));
    }
    return usage;
}

}  // namespace

std::string UsageText() {
    return R"(사용법: morvalent-cli [인수]...
Morvalent 창과 같은 방식으로 파일 이름을 한꺼번에 바꿉니다. 인수는 왼쪽부터 차례로 실행됩니다.

경로
  PATH                      '--'로 시작하지 않는 인수(그리고 '--' 뒤의 모든 인수)는 경로입니다.
                            이어진 경로들은 창에 한 번에 끌어 놓은 것처럼 한 묶음으로 추가됩니다.
                            (이미 목록에 있는 경로는 건너뛰고, 경로 순서로 정렬해 추가합니다.)
  --folders=)" +
           JoinedWords(ProgramOption("--folders").words, "|") +
           R"(   이후 묶음에서 폴더를 만나면: contents = 폴더 안의 파일들 (아니요),
                            self = 폴더 자체 (예, 기본값)

이름 바꾸기 단계 (창의 명령과 같고, 값은 입력창에 입력한 그대로 읽습니다:
                  ""는 빈 칸, 숫자는 앞부분의 정수만, 숫자가 없으면 0)
)" + EditUsage() +
           R"(
목록 단계
  --sort 기준      경로목록 정렬:
                   )" +
           WrappedWords(ProgramOption("--sort").words, 19) + R"(
                   (name-natural은 숫자를 값으로: IMG_2가 IMG_10 앞)
  --select 행      지정한 행만 선택 (1부터, 쉼표로 구분: --select 2,5), --select none = 선택 해제
  --direct-rename 이름   선택된 첫 행을 직접 바꾸기
  --move-up / --move-down / --delete-rows   위로 올림 / 아래로 내림 / 선택한 행 삭제
  --revert / --clear                        원래 이름으로 / 경로목록 지우기
  --load-names 파일 / --load-paths 파일     바꿀이름 불러오기 / 경로목록 불러오기
  --save-names 파일 / --save-paths 파일     문서파일로 바꿀이름 저장 / 경로목록 저장 (덮어씀)
  --apply                                   실제 파일 변경 (확인으로 답함)

작업 순서
  --recipe 파일    작업 순서 파일(.mvr)의 단계를 이 자리에서 실행합니다. 한 줄이 한 단계이고
                   이 명령의 옵션을 그대로 씁니다 (셸처럼 따옴표, '#'로 시작하는 줄은 주석).
                   경로, --apply, --recipe는 쓸 수 없고, 잘못된 줄이 있으면 아무 단계도
                   실행하지 않습니다. 창의 '파일 > 작업 순서 저장...'으로 만들 수 있습니다.

출력 (마지막 단계 뒤, 행 순서대로)
)" + PrintUsage() +
           R"(
  --help           이 도움말        --version        버전
  --history        변경 기록: 한 줄에 하나씩, 최근 것부터
                   (번호, 날짜와 시각, 개수, 상태, 첫 항목의 폴더; 탭으로 구분)
  --undo           되돌리지 않은 가장 최근의 이름 변경을 되돌림
  --undo=번호      그 번호의 이름 변경을 되돌림 (--apply는 새 번호를 표준 오류에 알림)
  --install-file-manager-actions
                   파일 관리자의 오른쪽 단추 메뉴에 'Morvalent로 이름 바꾸기'를
                   이 사용자용으로 설치 (Linux: Nautilus와 Thunar, 사용자의 다른
                   동작은 그대로 둠; Windows: 탐색기, 이 복사본의 morvalent.exe로)
  --remove-file-manager-actions
                   --install-file-manager-actions로 설치한 메뉴 항목을 지움

메시지 상자의 글은 창에 보이는 그대로 표준 오류로 나갑니다 (--apply의 마지막 메시지도).
실제 파일 변경이나 되돌리기에서 바꾸지 못한 항목은 그 뒤에 한 줄씩 표준 오류로 나갑니다:
경로, 바꿀이름, 이유 (탭으로 구분).
잘못된 값 때문에 메시지를 보인 단계에서 실행이 멈추고, 뒤의 단계와 출력은 없습니다.
표준 오류가 터미널이면 오래 걸리는 작업 중에 진행 상황을 보여 줍니다.

종료 상태
  0  모든 단계를 실행했고 실제 파일 변경에 실패가 없음
  1  실제 파일 변경이나 되돌리기에서 실패한 줄이 있음
  2  잘못된 사용법 (알 수 없는 옵션, 빠진 값, 잘못된 정렬 기준이나 행 번호, 없는 기록 번호)
  3  메시지와 함께 단계가 멈춤

예:
  morvalent-cli --folders=contents ~/사진 --number-per-folder-front 3 1 --apply
  morvalent-cli a.txt b.txt --change-extension md --unify-folder ~/문서 --apply
  morvalent-cli ~/스캔/*.pdf --recipe 매달.mvr --apply
)";
}

}  // namespace morvalent::cli
