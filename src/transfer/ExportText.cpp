#include "transfer/ExportText.h"

#include <bit>
#include <cstring>

namespace morvalent::transfer {
namespace {
constexpr char16_t kLineEnd[] = u"\r\n";
}  // namespace

std::u16string BuildExportText(const filelist::FileList& list, bool paths) {
    auto value = [&](std::size_t row) -> const std::u16string& {
        return paths ? list.Entry(row).path : list.NewName(row);
    };
    std::size_t length = 0;
    for (std::size_t row = 0; row < list.Count(); ++row) length += value(row).size() + 2;
    std::u16string text;
    text.reserve(length);
    for (std::size_t row = 0; row < list.Count(); ++row) {
        text += value(row);
        text += kLineEnd;
    }
    return text;
}

std::string EncodeTextFile(std::u16string_view text) {
    std::string bytes(2 + 2 * text.size(), '\0');
    bytes[0] = '\xFF';
    bytes[1] = '\xFE';
    if constexpr (std::endian::native == std::endian::little) {
        if (!text.empty()) std::memcpy(bytes.data() + 2, text.data(), 2 * text.size());
    } else {
        for (std::size_t i = 0; i < text.size(); ++i) {
            bytes[2 + 2 * i] = static_cast<char>(text[i] & 0xFF);
            bytes[3 + 2 * i] = static_cast<char>(text[i] >> 8);
        }
    }
    return bytes;
}

}  // namespace morvalent::transfer
