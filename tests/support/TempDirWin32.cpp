#include <random>
#include <stdexcept>
#include <string>

#include "platform/Text.h"
#include "support/TempDirNative.h"

namespace morvalent::testing::native {

std::filesystem::path MakeFreshFolder() {
    const auto base = std::filesystem::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto folder = base / ("morvalent-test-" + std::to_string(random()));
        // Creating fails when the folder exists, so the folder is ours alone.
        std::error_code error;
        if (std::filesystem::create_directory(folder, error)) return folder;
    }
    throw std::runtime_error("no fresh temporary folder");
}

std::u16string PathText(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    return std::u16string(wide.begin(), wide.end());
}

// Narrow paths would go through the ANSI code page; UTF-16 reaches the system as is.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
    const std::u16string text = platform::Utf8ToUtf16(utf8);
    return std::filesystem::path(std::wstring(text.begin(), text.end()));
}

}  // namespace morvalent::testing::native
