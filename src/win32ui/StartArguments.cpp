#include "win32ui/StartArguments.h"

#include "platform/Path.h"
#include "platform/Text.h"
#include "win32ui/WindowTexts.h"

namespace morvalent::win32ui {

StartArguments ParseStartArguments(const std::vector<std::u16string>& args) {
    StartArguments result;
    bool pathsOnly = false;
    for (const std::u16string& arg : args) {
        if (!pathsOnly && arg == u"--") {
            pathsOnly = true;
        } else if (!pathsOnly && (arg == u"--help" || arg == u"/?")) {
            result.help = true;
        } else if (!pathsOnly && arg == u"--version") {
            result.version = true;
        } else if (!pathsOnly && arg.size() > 1 && arg[0] == u'-') {
            // A mistake, not a file to look for.
            result.error = platform::FormatText(texts::kUnknownOption, arg);
            result.paths.clear();
            return result;
        } else if (!arg.empty()) {
            result.paths.push_back(platform::FullPath(arg));
        }
    }
    return result;
}

}  // namespace morvalent::win32ui
