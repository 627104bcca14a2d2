#pragma once

#include <string>
#include <vector>

#include "filelist/FileList.h"

namespace morvalent::testing {

// Every row's new name, top to bottom.
std::vector<std::u16string> NewNames(const filelist::FileList& list);

}  // namespace morvalent::testing
