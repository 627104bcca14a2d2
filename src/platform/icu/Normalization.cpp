#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include "platform/Normalization.h"

namespace morvalent::platform {
namespace {

const icu::Normalizer2* NormalizerFor(NormalForm form, UErrorCode& status) {
    switch (form) {
        case NormalForm::Nfc:
            return icu::Normalizer2::getNFCInstance(status);
        case NormalForm::Nfd:
            return icu::Normalizer2::getNFDInstance(status);
        case NormalForm::Nfkc:
            return icu::Normalizer2::getNFKCInstance(status);
    }
    return nullptr;
}

}  // namespace

std::optional<std::u16string> Normalize(std::u16string_view text, NormalForm form) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = NormalizerFor(form, status);
    if (normalizer == nullptr || U_FAILURE(status)) return std::nullopt;
    // A read-only alias: the text is not copied unless it changes.
    const icu::UnicodeString source(false, text.data(), static_cast<int32_t>(text.size()));
    const int32_t normalPrefix = normalizer->spanQuickCheckYes(source, status);
    if (U_FAILURE(status)) return std::nullopt;
    if (normalPrefix == source.length()) return std::u16string(text);
    icu::UnicodeString result = normalizer->normalize(source, status);
    if (U_FAILURE(status)) return std::nullopt;
    return std::u16string(result.getBuffer(), static_cast<std::size_t>(result.length()));
}

}  // namespace morvalent::platform
