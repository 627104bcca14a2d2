#include "app/StartArguments.h"

#include "platform/Path.h"

namespace morvalent::app {

StartArguments ParseStartArguments(const std::vector<std::u16string>& args) {
    StartArguments result;
    bool pathsOnly = false;
    for (const std::u16string& arg : args) {
        if (!pathsOnly && arg == u"--") {
            pathsOnly = true;
        } else if (!pathsOnly && arg == u"--help") {
            result.help = true;
        } else if (!pathsOnly && arg == u"--version") {
            result.version = true;
        } else if (!pathsOnly && arg.size() > 1 && arg[0] == u'-') {
            result.unknownOption = arg;
            result.paths.clear();
            return result;
        } else if (!arg.empty()) {
            result.paths.push_back(platform::FullPath(arg));
        }
    }
    return result;
}

}  // namespace morvalent::app
