#include "edits/Concat.h"

namespace morvalent::edits {

std::u16string Concat(std::initializer_list<std::u16string_view> pieces) {
    std::size_t size = 0;
    for (const auto piece : pieces) size += piece.size();
    std::u16string out;
    out.reserve(size);
    for (const auto piece : pieces) out.append(piece);
    return out;
}

}  // namespace morvalent::edits
