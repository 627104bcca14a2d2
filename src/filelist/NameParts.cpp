#include "filelist/NameParts.h"

#include "platform/Path.h"

namespace morvalent::filelist {

using platform::kPathSeparator;

std::u16string GetFolderPart(std::u16string_view text) {
    const auto b = text.rfind(kPathSeparator);
    if (b == std::u16string_view::npos) return {};
    return std::u16string(text.substr(0, b));
}

std::u16string GetNamePart(std::u16string_view text, bool wholeName) {
    const auto sep = text.rfind(kPathSeparator);
    const std::ptrdiff_t b = sep == std::u16string_view::npos ? -1 : std::ptrdiff_t(sep);
    std::ptrdiff_t e = std::ptrdiff_t(text.size());
    if (!wholeName) {
        const auto dot = text.rfind(u'.');
        if (dot != std::u16string_view::npos) e = std::ptrdiff_t(dot);
    }
    const std::ptrdiff_t length = e - b - 1;
    if (length <= 0) return {};
    return std::u16string(text.substr(std::size_t(b + 1), std::size_t(length)));
}

std::u16string GetExtension(std::u16string_view text, bool isFolder) {
    if (isFolder) return {};
    const auto dot = text.rfind(u'.');
    if (dot == std::u16string_view::npos) return {};
    return std::u16string(text.substr(dot));
}

}  // namespace morvalent::filelist
