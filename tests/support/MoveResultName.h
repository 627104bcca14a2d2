#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace morvalent::testing {

// The result's name, so that a failed expectation says which result it was.
std::string MoveResultName(platform::MoveResult result);

}  // namespace morvalent::testing
