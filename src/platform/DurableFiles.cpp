#include "platform/DurableFiles.h"

#include "platform/TextFiles.h"

namespace morvalent::platform {

std::optional<std::string> ReadWholeFile(std::u16string_view path) {
    InputFile file(path);
    if (!file.IsOpen()) return std::nullopt;
    std::string bytes;
    std::size_t size = 0;
    // The size is a hint: the file may still grow or shrink while it is read.
    bytes.resize(static_cast<std::size_t>(file.SizeHint()) + 1);
    for (;;) {
        const auto got = file.Read(bytes.data() + size, bytes.size() - size);
        if (!got) return std::nullopt;
        size += *got;
        if (size < bytes.size()) break;
        bytes.resize(bytes.size() * 2);
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace morvalent::platform
