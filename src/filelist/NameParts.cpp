#include "filelist/NameParts.h"

#include "platform/Path.h"

namespace morvalent::filelist {

using platform::kPathSeparator;

std::u16string_view FolderPartView(std::u16string_view text) {
    const auto b = text.rfind(kPathSeparator);
    if (b == std::u16string_view::npos) return {};
    return text.substr(0, b);
}

std::u16string_view NamePartView(std::u16string_view text, bool wholeName) {
    const auto sep = text.rfind(kPathSeparator);
    const std::ptrdiff_t b = sep == std::u16string_view::npos ? -1 : std::ptrdiff_t(sep);
    std::ptrdiff_t e = std::ptrdiff_t(text.size());
    if (!wholeName) {
        const auto dot = text.rfind(u'.');
        if (dot != std::u16string_view::npos) e = std::ptrdiff_t(dot);
    }
    const std::ptrdiff_t length = e - b - 1;
    if (length <= 0) return {};
    return text.substr(std::size_t(b + 1), std::size_t(length));
}

std::u16string_view ExtensionView(std::u16string_view text, bool isFolder) {
    if (isFolder) return {};
    const auto dot = text.rfind(u'.');
    if (dot == std::u16string_view::npos) return {};
    return text.substr(dot);
}

std::u16string GetFolderPart(std::u16string_view text) {
    return std::u16string(FolderPartView(text));
}

std::u16string GetNamePart(std::u16string_view text, bool wholeName) {
    return std::u16string(NamePartView(text, wholeName));
}

std::u16string GetExtension(std::u16string_view text, bool isFolder) {
    return std::u16string(ExtensionView(text, isFolder));
}

}  // namespace morvalent::filelist
