// The Windows build has no regular expression library of the system's own.
#include "platform/Regex.h"

namespace morvalent::platform {

struct Regex::Impl {};

Regex::Regex(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Regex::~Regex() = default;

bool Regex::Supported() { return false; }

std::variant<std::unique_ptr<Regex>, RegexError> Regex::Compile(std::u16string_view) {
    return RegexError{RegexError::Kind::Unsupported, RegexError::Problem::Other, -1, {}};
}

std::variant<std::u16string, RegexError> Regex::ReplaceAll(std::u16string_view,
                                                           std::u16string_view) const {
    return RegexError{RegexError::Kind::Unsupported, RegexError::Problem::Other, -1, {}};
}

}  // namespace morvalent::platform
