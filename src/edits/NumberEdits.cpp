#include "edits/NumberEdits.h"

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
    std::u16string name = filelist::GetNamePart(text, isFolder);
    std::erase_if(name, [](char16_t c) { return !IsDigit(c); });
    name.append(filelist::GetExtension(text, isFolder));
    return name;
}

std::u16string PadDigits(std::u16string_view text, bool isFolder, DigitRun run,
                         std::int32_t width) {
    std::u16string name = filelist::GetNamePart(text, isFolder);
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
    if (digits > 0 && width > 0 && digits < std::size_t(width)) {
        name.insert(begin, std::size_t(width) - digits, u'0');
    }
    name.append(filelist::GetExtension(text, isFolder));
    return name;
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
    std::u16string name = filelist::GetNamePart(text, isFolder);
    if (inFront)
        name.insert(0, number);
    else
        name.append(number);
    name.append(filelist::GetExtension(text, isFolder));
    return name;
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
