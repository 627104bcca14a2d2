#include "edits/TextEdits.h"

#include "filelist/NameParts.h"

namespace morvalent::edits {

std::u16string ReplaceString(std::u16string_view text, std::u16string_view find,
                             std::u16string_view replacement) {
    if (find.empty()) return std::u16string(text);
    std::u16string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (auto at = text.find(find); at != std::u16string_view::npos; at = text.find(find, from)) {
        out.append(text.substr(from, at - from));
        out.append(replacement);
        from = at + find.size();
    }
    out.append(text.substr(from));
    return out;
}

std::u16string AddPrefix(std::u16string_view text, std::u16string_view prefix) {
    std::u16string out;
    out.reserve(prefix.size() + text.size());
    out.append(prefix);
    out.append(text);
    return out;
}

std::u16string AddSuffix(std::u16string_view text, bool isFolder, std::u16string_view suffix) {
    std::u16string out = filelist::GetNamePart(text, isFolder);
    out.append(suffix);
    out.append(filelist::GetExtension(text, isFolder));
    return out;
}

std::u16string EraseName(std::u16string_view text, bool isFolder) {
    return filelist::GetExtension(text, isFolder);
}

}  // namespace morvalent::edits
