#include "edits/TextEdits.h"

#include "edits/Concat.h"
#include "filelist/NameParts.h"

namespace morvalent::edits {

std::u16string ReplaceString(std::u16string_view text, std::u16string_view find,
                             std::u16string_view replacement) {
    if (find.empty()) return std::u16string(text);
    std::u16string out;
    // Room for one longer replacement, the common case, without growing again.
    out.reserve(text.size() +
                (replacement.size() > find.size() ? replacement.size() - find.size() : 0));
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
    return Concat({prefix, text});
}

std::u16string AddSuffix(std::u16string_view text, bool isFolder, std::u16string_view suffix) {
    return Concat(
        {filelist::NamePartView(text, isFolder), suffix, filelist::ExtensionView(text, isFolder)});
}

std::u16string EraseName(std::u16string_view text, bool isFolder) {
    return filelist::GetExtension(text, isFolder);
}

}  // namespace morvalent::edits
