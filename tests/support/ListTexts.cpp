#include "support/ListTexts.h"

namespace morvalent::testing {

std::vector<std::u16string> NewNames(const filelist::FileList& list) {
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < list.Count(); ++i) names.push_back(list.NewName(i));
    return names;
}

}  // namespace morvalent::testing
