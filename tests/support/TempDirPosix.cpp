#include <stdlib.h>

#include <stdexcept>

#include "platform/Text.h"
#include "support/TempDirNative.h"

namespace morvalent::testing::native {

std::filesystem::path MakeFreshFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "morvalent-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

std::u16string PathText(const std::filesystem::path& path) {
    return platform::Utf8ToUtf16(path.string());
}

// Bytes as they are: a test may name a file with bytes that are not UTF-8.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::string(utf8));
}

}  // namespace morvalent::testing::native
