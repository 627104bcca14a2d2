#include "filelist/NameRewrite.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/LargePages.h"

namespace morvalent::filelist {

namespace {

// A record is the replaced name, then its length and the row number (its tail),
// so that the records can be read back from the end, newest first.
constexpr std::size_t kLengthUnits = 2;
constexpr std::size_t kRowUnits = 4;
constexpr std::size_t kTailUnits = kLengthUnits + kRowUnits;
// Room reserved at the first record: address space only, touched as it fills, so
// most edits never regrow the buffer.
constexpr std::size_t kReservedPerRow = kTailUnits + 40;

void AppendNumber(std::u16string& log, std::uint64_t value, std::size_t units) {
    for (std::size_t i = 0; i < units; ++i) log.push_back(char16_t(value >> (16 * i)));
}

std::uint64_t ReadNumber(std::u16string_view log, std::size_t at, std::size_t units) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < units; ++i) value |= std::uint64_t(log[at + i]) << (16 * i);
    return value;
}

}  // namespace

NameRewrite::NameRewrite(FileList& list) : list_(list), batch_(list) {}

NameRewrite::~NameRewrite() {
    if (kept_) return;
    const std::u16string_view log(log_);
    for (std::size_t end = log.size(); end > 0;) {
        const std::size_t tail = end - kTailUnits;
        const auto length = std::size_t(ReadNumber(log, tail, kLengthUnits));
        const auto row = std::size_t(ReadNumber(log, tail + kLengthUnits, kRowUnits));
        end = tail - length;
        list_.CopyNewNameInPlace(row, log.substr(end, length));
    }
}

void NameRewrite::Set(std::size_t row, std::u16string name) {
    const std::u16string& before = list_.NewName(row);
    // Room first, so that a record is never left half written.
    const std::size_t needed = log_.size() + before.size() + kTailUnits;
    if (needed > log_.capacity()) {
        log_.reserve(std::max({needed, log_.capacity() * 2, list_.Count() * kReservedPerRow}));
        // One buffer written once from end to end: large pages spare most of its faults.
        platform::PreferLargePages(log_.data(), log_.capacity() * sizeof(char16_t));
    }
    log_.append(before);
    AppendNumber(log_, before.size(), kLengthUnits);
    AppendNumber(log_, row, kRowUnits);
    // A longer name takes the place of the old one, which is freed at once; either
    // way the row's room only grows, so the old name fits back in it.
    if (name.size() <= before.capacity()) {
        list_.CopyNewNameInPlace(row, name);
    } else {
        list_.SwapNewName(row, name);
    }
}

void NameRewrite::Keep() noexcept { kept_ = true; }

}  // namespace morvalent::filelist
