#include "platform/PlainFile.h"

#include <windows.h>

#include "platform/win32/PathForms.h"

namespace morvalent::platform {

bool IsPlainFile(std::u16string_view path) {
    const auto wide = ExtendedPath(path);
    if (!wide) return false;
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

}  // namespace morvalent::platform
