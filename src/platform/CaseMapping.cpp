#include "platform/CaseMapping.h"

namespace morvalent::platform {

std::u16string MapCase(std::u16string_view text, TextCase to) {
    std::u16string out;
    AppendMappedCase(out, text, to);
    return out;
}

}  // namespace morvalent::platform
