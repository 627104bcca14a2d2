#include "support/TempDir.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::testing {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvalent-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::u16string TempDir::Text() const { return platform::Utf8ToUtf16(path_.string()); }

std::u16string TempDir::Join(std::u16string_view relative) const {
    std::u16string out = Text();
    out.push_back(platform::kPathSeparator);
    for (char16_t c : relative) out.push_back(c == u'/' ? platform::kPathSeparator : c);
    return out;
}

void TempDir::WriteFile(std::string_view relative, std::string_view bytes) const {
    auto full = path_ / std::filesystem::path(std::string(relative));
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

void TempDir::MakeFolder(std::string_view relative) const {
    std::filesystem::create_directories(path_ / std::filesystem::path(std::string(relative)));
}

bool TempDir::Exists(std::string_view relative) const {
    std::error_code ec;
    return std::filesystem::symlink_status(path_ / std::filesystem::path(std::string(relative)), ec)
               .type() != std::filesystem::file_type::not_found;
}

std::string TempDir::ReadFile(std::string_view relative) const {
    std::ifstream in(path_ / std::filesystem::path(std::string(relative)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::u16string U16(std::string_view utf8) { return platform::Utf8ToUtf16(utf8); }
std::string U8(std::u16string_view text) { return platform::Utf16ToUtf8Lossy(text); }

}  // namespace morvalent::testing
