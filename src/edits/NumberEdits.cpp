#include "edits/NumberEdits.h"

#include "edits/Concat.h"
#include "edits/EditTexts.h"
#include "filelist/NameParts.h"
#include "platform/Text.h"

namespace morvalent::edits {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::optional<std::u16string_view> WidthError(std::int32_t width) {
    if (width < 1 || width > kMaxDigitWidth) return texts::kBadWidth;
    return std::nullopt;
}

std::u16string KeepDigitsOnly(std::u16string_view text, bool isFolder) {
    const auto name = filelist::NamePartView(text, isFolder);
    const auto extension = filelist::ExtensionView(text, isFolder);
    std::u16string out;
    out.reserve(name.size() + extension.size());
    for (const char16_t c : name) {
        if (IsDigit(c)) out.push_back(c);
    }
    out.append(extension);
    return out;
}

std::u16string PadDigits(std::u16string_view text, bool isFolder, DigitRun run,
                         std::int32_t width) {
    const auto name = filelist::NamePartView(text, isFolder);
    std::size_t begin = 0;
    std::size_t end = 0;  // one past the run; begin == end means no digit
    if (run == DigitRun::Last) {
        end = name.size();
        while (end > 0 && !IsDigit(name[end - 1])) --end;
        begin = end;
        while (begin > 0 && IsDigit(name[begin - 1])) --begin;
    } else {
        while (begin < name.size() && !IsDigit(name[begin])) ++begin;
        end = begin;
        while (end < name.size() && IsDigit(name[end])) ++end;
    }
    const std::size_t digits = end - begin;
    const std::size_t zeros =
        (digits > 0 && width > 0 && digits < std::size_t(width)) ? std::size_t(width) - digits : 0;
    const auto extension = filelist::ExtensionView(text, isFolder);
    std::u16string out;
    out.reserve(name.size() + zeros + extension.size());
    out.append(name.substr(0, begin));
    out.append(zeros, u'0');
    out.append(name.substr(begin));
    out.append(extension);
    return out;
}

std::u16string NumberText(std::int64_t counter, std::int32_t width) {
    std::u16string digits = platform::DecimalText(counter);
    if (width > 0 && digits.size() < std::size_t(width)) {
        digits.insert(0, std::size_t(width) - digits.size(), u'0');
    }
    return digits;
}

std::u16string AddNumber(std::u16string_view text, bool isFolder, std::u16string_view number,
                         bool inFront) {
    const auto name = filelist::NamePartView(text, isFolder);
    const auto extension = filelist::ExtensionView(text, isFolder);
    if (inFront) return Concat({number, name, extension});
    return Concat({name, number, extension});
}

RowCounter::RowCounter(std::int32_t start, bool perFolder)
    : start_(start < 0 ? 0 : start), counter_(start_), perFolder_(perFolder) {}

std::int64_t RowCounter::Next(std::u16string_view folderText) {
    if (perFolder_) {
        if (!first_ && !platform::EqualsAsciiNoCase(folderText, previousFolder_)) counter_ = start_;
        previousFolder_.assign(folderText);
    }
    first_ = false;
    return counter_++;
}

}  // namespace morvalent::edits
