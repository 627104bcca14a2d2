#include "transfer/ExportText.h"

#include "platform/Text.h"

namespace morvalent::transfer {

const std::u16string& ExportValue(const filelist::FileList& list, std::size_t row, bool paths) {
    return paths ? list.Entry(row).path : list.NewName(row);
}

std::optional<std::size_t> FirstRowNotLoadingBack(const filelist::FileList& list, bool paths) {
    for (std::size_t row = 0; row < list.Count(); ++row) {
        const std::u16string& value = ExportValue(list, row, paths);
        if (value.empty() || value.find_first_of(std::u16string_view(u"\r\n\0", 3)) != value.npos ||
            platform::TrimSpace(value).size() != value.size()) {
            return row;
        }
    }
    return std::nullopt;
}

std::u16string BuildExportText(const filelist::FileList& list, bool paths) {
    std::size_t length = 0;
    for (std::size_t row = 0; row < list.Count(); ++row) {
        length += ExportValue(list, row, paths).size() + 2;
    }
    std::u16string text;
    text.reserve(length);
    for (std::size_t row = 0; row < list.Count(); ++row) {
        text += ExportValue(list, row, paths);
        text += u"\r\n";
    }
    return text;
}

}  // namespace morvalent::transfer
