#include "transfer/ExportText.h"

namespace morvalent::transfer {

const std::u16string& ExportValue(const filelist::FileList& list, std::size_t row, bool paths) {
    return paths ? list.Entry(row).path : list.NewName(row);
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
