#include <unicode/uchar.h>

#include "platform/Text.h"

namespace morvalent::platform {

// ASCII answered here: trimming every line of a long list asked ICU for each end.
bool IsSpace(char16_t c) {
    if (c < 0x80) return c == u' ' || (c >= u'\t' && c <= u'\r');
    return u_isUWhiteSpace(c) != 0;
}

}  // namespace morvalent::platform
