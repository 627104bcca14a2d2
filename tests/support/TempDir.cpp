#include "support/TempDir.h"

#include <fstream>
#include <iterator>

#include "platform/Path.h"
#include "platform/Text.h"
#include "support/TempDirNative.h"

namespace morvalent::testing {

TempDir::TempDir() : path_(native::MakeFreshFolder()) {}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::u16string TempDir::Text() const { return native::PathText(path_); }

std::u16string TempDir::Join(std::u16string_view relative) const {
    return Text() + platform::kPathSeparator + NativePath(relative);
}

void TempDir::WriteFile(std::string_view relative, std::string_view bytes) const {
    auto full = path_ / native::PathFromUtf8(relative);
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

void TempDir::MakeFolder(std::string_view relative) const {
    std::filesystem::create_directories(path_ / native::PathFromUtf8(relative));
}

bool TempDir::Exists(std::string_view relative) const {
    std::error_code ec;
    return std::filesystem::symlink_status(path_ / native::PathFromUtf8(relative), ec).type() !=
           std::filesystem::file_type::not_found;
}

std::string TempDir::ReadFile(std::string_view relative) const {
    std::ifstream in(path_ / native::PathFromUtf8(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::u16string NativePath(std::u16string_view slashed) {
    std::u16string out(slashed);
    for (char16_t& c : out) {
        if (c == u'/') c = platform::kPathSeparator;
    }
    return out;
}

std::u16string U16(std::string_view utf8) { return platform::Utf8ToUtf16(utf8); }
std::string U8(std::u16string_view text) { return platform::Utf16ToUtf8Lossy(text); }

}  // namespace morvalent::testing
