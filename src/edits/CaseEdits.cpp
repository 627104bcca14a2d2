#include "edits/CaseEdits.h"

#include "edits/UndecodableBytes.h"
#include "filelist/NameParts.h"
#include "platform/CaseMapping.h"

namespace morvalent::edits {

std::u16string ChangeCase(std::u16string_view text, bool isFolder, CaseChange change) {
    if (HoldsUndecodableBytes(text)) return std::u16string(text);
    const std::u16string_view name = filelist::NamePartView(text, isFolder);
    const std::u16string_view extension = filelist::ExtensionView(text, isFolder);
    std::u16string out;
    out.reserve(text.size() + 8);
    switch (change) {
        case CaseChange::NameLower:
        case CaseChange::NameUpper:
        case CaseChange::NameTitle:
            platform::AppendMappedCase(out, name,
                                       change == CaseChange::NameLower ? platform::TextCase::Lower
                                       : change == CaseChange::NameUpper
                                           ? platform::TextCase::Upper
                                           : platform::TextCase::Title);
            out.append(extension);
            break;
        case CaseChange::ExtensionLower:
        case CaseChange::ExtensionUpper:
            out.append(name);
            platform::AppendMappedCase(out, extension,
                                       change == CaseChange::ExtensionLower
                                           ? platform::TextCase::Lower
                                           : platform::TextCase::Upper);
            break;
    }
    return out;
}

}  // namespace morvalent::edits
