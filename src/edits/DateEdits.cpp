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

DateFormat::DateFormat(std::u16string_view format) : text_(format) {
    struct Token {
        std::u16string_view text;
        Field field;
    };
    // The longer token first where one begins another.
    constexpr Token kTokens[] = {
        {u"YYYY", Field::Year}, {u"YY", Field::ShortYear}, {u"MM", Field::Month},
        {u"DD", Field::Day},    {u"hh", Field::Hour},      {u"mm", Field::Minute},
        {u"ss", Field::Second},
    };
    const std::u16string_view text = text_;
    std::size_t literalStart = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const Token* found = nullptr;
        for (const Token& token : kTokens) {
            if (text.substr(i).starts_with(token.text)) {
                found = &token;
                break;
            }
        }
        if (found == nullptr) {
            ++i;
            continue;
        }
        if (literalStart < i) {
            pieces_.push_back({Field::Literal, literalStart, i - literalStart});
        }
        pieces_.push_back({found->field, 0, 0});
        i += found->text.size();
        literalStart = i;
    }
    if (literalStart < text.size()) {
        pieces_.push_back({Field::Literal, literalStart, text.size() - literalStart});
    }
}

std::u16string DateFormat::Format(const platform::DateTimeFields& when) const {
    std::u16string out;
    FormatInto(out, when);
    return out;
}

void DateFormat::FormatInto(std::u16string& out, const platform::DateTimeFields& when) const {
    out.clear();
    out.reserve(text_.size() + 4);
    for (const Piece& piece : pieces_) {
        switch (piece.field) {
            case Field::Literal:
                out.append(text_, piece.start, piece.length);
                break;
            case Field::Year:
                AppendDigits(out, when.year, 4);
                break;
            case Field::ShortYear:
                AppendDigits(out, when.year % 100, 2);
                break;
            case Field::Month:
                AppendDigits(out, when.month, 2);
                break;
            case Field::Day:
                AppendDigits(out, when.day, 2);
                break;
            case Field::Hour:
                AppendDigits(out, when.hour, 2);
                break;
            case Field::Minute:
                AppendDigits(out, when.minute, 2);
                break;
            case Field::Second:
                AppendDigits(out, when.second, 2);
                break;
        }
    }
}

std::u16string FormatDate(std::u16string_view format, const platform::DateTimeFields& when) {
    return DateFormat(format).Format(when);
}

namespace {
constexpr char16_t kFrontFormat[] = u"YYYY-MM-DD_hhmmss_";
constexpr char16_t kBehindFormat[] = u"_YYYY-MM-DD_hhmmss";
}  // namespace

std::u16string_view DefaultDateFormat(DatePlace place) {
    switch (place) {
        case DatePlace::Front:
            return kFrontFormat;
        case DatePlace::Behind:
            return kBehindFormat;
        case DatePlace::Replace:
            break;
    }
    return kDefaultDateFormat;
}

bool IsDefaultDateFormat(std::u16string_view format) {
    return format == kFrontFormat || format == kBehindFormat || format == kDefaultDateFormat;
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
