#include "transfer/TextFile.h"

#include "platform/TextFiles.h"
#include "transfer/ExportText.h"
#include "transfer/TextDecoding.h"

namespace morvalent::transfer {

bool WriteTextFile(std::u16string_view path, std::u16string_view text) {
    return platform::WriteFileReplacing(path, EncodeTextFile(text));
}

std::optional<std::u16string> ReadTextFile(std::u16string_view path) {
    const auto bytes = platform::ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return DecodeTextFile(*bytes);
}

}  // namespace morvalent::transfer
