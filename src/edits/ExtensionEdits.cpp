#include "edits/ExtensionEdits.h"

#include "filelist/NameParts.h"

namespace morvalent::edits {

std::u16string DeleteExtension(std::u16string_view text, bool isFolder) {
    return filelist::GetNamePart(text, isFolder);
}

std::u16string ExtensionText(std::u16string_view typed) {
    if (typed.empty() || typed.front() == u'.') return std::u16string(typed);
    std::u16string out;
    out.reserve(typed.size() + 1);
    out.push_back(u'.');
    out.append(typed);
    return out;
}

std::u16string AddExtension(std::u16string_view text, std::u16string_view extension) {
    std::u16string out;
    out.reserve(text.size() + extension.size());
    out.append(text);
    out.append(extension);
    return out;
}

std::u16string ChangeExtension(std::u16string_view text, bool isFolder,
                               std::u16string_view extension) {
    std::u16string out = filelist::GetNamePart(text, isFolder);
    out.append(extension);
    return out;
}

}  // namespace morvalent::edits
