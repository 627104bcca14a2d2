#include <unicode/uchar.h>

#include "platform/Text.h"

namespace morvalent::platform {

bool IsSpace(char16_t c) { return u_isUWhiteSpace(c) != 0; }

}  // namespace morvalent::platform
