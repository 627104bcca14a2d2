#include "edits/DateEdits.h"

#include "edits/Concat.h"
#include "filelist/NameParts.h"

namespace morvalent::edits {
namespace {

void AppendDigits(std::u16string& out, int value, int width) {
    if (value < 0) value = 0;
    char16_t digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value > 0 && count < 12);
    for (int i = count; i < width; ++i) out.push_back(u'0');
    while (count > 0) out.push_back(digits[--count]);
}

}  // namespace

std::u16string FormatDate(std::u16string_view format, const platform::DateTimeFields& when) {
    struct Token {
        std::u16string_view text;
        int value;
        int width;
    };
    const Token tokens[] = {
        {u"YYYY", when.year, 4}, {u"YY", when.year % 100, 2}, {u"MM", when.month, 2},
        {u"DD", when.day, 2},    {u"hh", when.hour, 2},       {u"mm", when.minute, 2},
        {u"ss", when.second, 2},
    };
    std::u16string out;
    out.reserve(format.size() + 4);
    std::size_t i = 0;
    while (i < format.size()) {
        const std::u16string_view rest = format.substr(i);
        const Token* found = nullptr;
        for (const Token& token : tokens) {
            if (rest.starts_with(token.text)) {
                found = &token;
                break;
            }
        }
        if (found != nullptr) {
            AppendDigits(out, found->value, found->width);
            i += found->text.size();
        } else {
            out.push_back(format[i]);
            ++i;
        }
    }
    return out;
}

std::u16string PlaceDate(std::u16string_view text, bool isFolder, std::u16string_view date,
                         DatePlace place) {
    const std::u16string_view extension = filelist::ExtensionView(text, isFolder);
    switch (place) {
        case DatePlace::Front:
            return Concat({date, text});
        case DatePlace::Behind:
            return Concat({filelist::NamePartView(text, isFolder), date, extension});
        case DatePlace::Replace:
            return Concat({date, extension});
    }
    return std::u16string(text);
}

}  // namespace morvalent::edits
