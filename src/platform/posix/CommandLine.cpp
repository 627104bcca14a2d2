#include "platform/CommandLine.h"

namespace morvalent::platform {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    if (argc < 1) return {};
    return std::vector<std::string>(argv + 1, argv + argc);
}

struct Utf8Console::State {};

Utf8Console::Utf8Console() = default;

Utf8Console::~Utf8Console() = default;

bool OffersFileManagerActions() { return true; }

}  // namespace morvalent::platform
