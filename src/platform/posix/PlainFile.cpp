#include "platform/PlainFile.h"

#include <sys/stat.h>

#include "platform/Text.h"

namespace morvalent::platform {

bool IsPlainFile(std::u16string_view path) {
    const auto native = Utf16ToNative(path);
    struct stat st;
    return native && stat(native->c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace morvalent::platform
