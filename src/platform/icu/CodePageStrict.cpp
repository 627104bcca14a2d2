#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

#include "platform/CodePageStrict.h"

namespace morvalent::platform {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

const char* ConverterName(CodePage page) {
    switch (page) {
        case CodePage::Korean:
            // Windows 949 itself; ICU's "cp949" is IBM's variant.
            return "windows-949-2000";
        case CodePage::DosUs:
            return "ibm-437_P100-1995";
        case CodePage::Western:
            return "windows-1252";
        case CodePage::Latin1:
            return "ISO-8859-1";
    }
    return "";
}

// A converter that stops at the first byte or character it cannot convert
// instead of substituting one.
Converter OpenStrict(CodePage page) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(ConverterName(page), &status));
    if (U_FAILURE(status)) return nullptr;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
    if (U_FAILURE(status)) return nullptr;
    return converter;
}

// One converter per code page and thread, kept: opening one costs more than
// converting a name.
UConverter* StrictConverter(CodePage page) {
    thread_local Converter converters[4];
    Converter& converter = converters[static_cast<int>(page)];
    if (!converter) converter = OpenStrict(page);
    if (converter) ucnv_reset(converter.get());
    return converter.get();
}

}  // namespace

std::optional<std::u16string> DecodeExactly(std::string_view bytes, CodePage page) {
    UConverter* converter = StrictConverter(page);
    if (converter == nullptr) return std::nullopt;
    // These code pages give at most one UTF-16 unit per byte.
    std::u16string out(bytes.size() + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter, out.data(), static_cast<int32_t>(out.size()),
                                         bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    return out;
}

std::optional<std::string> EncodeExactly(std::u16string_view text, CodePage page) {
    UConverter* converter = StrictConverter(page);
    if (converter == nullptr) return std::nullopt;
    std::string out(text.size() * 2 + 1, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_fromUChars(converter, out.data(), static_cast<int32_t>(out.size()),
                                           text.data(), static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    return out;
}

}  // namespace morvalent::platform
