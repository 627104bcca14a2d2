#include "platform/Text.h"

namespace morvalent::platform {

// The Unicode White_Space characters, the set ICU reports on other systems. The C
// runtime's iswspace depends on its locale, so it is not asked.
bool IsSpace(char16_t c) {
    if (c < 0x80) return c == u' ' || (c >= u'\t' && c <= u'\r');
    if (c < 0x2000) return c == 0x0085 || c == 0x00A0 || c == 0x1680;
    return c <= 0x200A || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

}  // namespace morvalent::platform
