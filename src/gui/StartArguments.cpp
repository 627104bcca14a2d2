#include "gui/StartArguments.h"

#include <cstdio>

#include "app/StartArguments.h"
#include "app/Texts.h"
#include "platform/Text.h"

namespace morvalent::gui {
namespace {

constexpr char kUnknownOption[] = "알 수 없는 옵션: ";
constexpr char kSeeHelp[] = "자세한 내용은 'morvalent --help'를 보십시오.";

}  // namespace

StartArguments ParseStartArguments(const std::vector<std::string>& args) {
    // Bytes as given, so a name that is not UTF-8 still finds its file. Qt has
    // already taken its own options out.
    std::vector<std::u16string> words;
    for (const std::string& arg : args) words.push_back(platform::Utf8ToUtf16(arg));
    const app::StartArguments parsed = app::ParseStartArguments(words);
    StartArguments result;
    result.help = parsed.help;
    result.version = parsed.version;
    result.paths = parsed.paths;
    if (parsed.unknownOption) {
        result.error = kUnknownOption + platform::Utf16ToUtf8Lossy(*parsed.unknownOption);
    }
    return result;
}

std::optional<int> AnswerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") break;
        if (arg == "--help") {
            std::fputs(WindowUsageText().c_str(), stdout);
            return 0;
        }
        if (arg == "--version") {
            const std::string version = platform::Utf16ToUtf8Lossy(app::texts::kVersionMessage);
            std::printf("%s\n", version.c_str());
            return 0;
        }
    }
    return std::nullopt;
}

void ReportUsageError(const std::string& error) {
    std::fprintf(stderr, "%s\n%s\n", error.c_str(), kSeeHelp);
}

std::string WindowUsageText() {
    return R"(사용법: morvalent [경로]...
Morvalent 창을 엽니다. 여러 파일과 폴더의 이름을 한꺼번에 바꿉니다.

  경로        창에 끌어 놓은 것처럼 한 묶음으로 목록에 추가합니다
              (폴더가 있으면 폴더 자체를 추가할지 한 번만 묻습니다).
              상대 경로는 현재 폴더에서 찾습니다. '--' 뒤의 인수는 모두 경로입니다.
  --help      이 도움말
  --version   버전

창 없이 터미널에서 이름을 바꾸려면 morvalent-cli --help 를 보십시오.
)";
}

}  // namespace morvalent::gui
