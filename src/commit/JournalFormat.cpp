#include "commit/JournalFormat.h"

#include <charconv>

#include "platform/Text.h"

namespace morvalent::commit::journal {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendEscape(std::string& line, unsigned value) {
    line.push_back('%');
    line.push_back(kHex[(value >> 4) & 0xF]);
    line.push_back(kHex[value & 0xF]);
}

void AppendUtf8(std::string& line, char32_t cp) {
    if (cp < 0x80) {
        line.push_back(char(cp));
    } else if (cp < 0x800) {
        line.push_back(char(0xC0 | (cp >> 6)));
        line.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        line.push_back(char(0xE0 | (cp >> 12)));
        line.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        line.push_back(char(0x80 | (cp & 0x3F)));
    } else {
        line.push_back(char(0xF0 | (cp >> 18)));
        line.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
        line.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        line.push_back(char(0x80 | (cp & 0x3F)));
    }
}

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

template <typename Number>
std::optional<Number> ParseWith(std::string_view field, int base) {
    Number value{};
    const auto [end, error] =
        std::from_chars(field.data(), field.data() + field.size(), value, base);
    if (error != std::errc() || end != field.data() + field.size() || field.empty()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

void AppendText(std::string& line, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x20 || c == 0x7F || c == u'%') {
            AppendEscape(line, c);
        } else if (c < 0x80) {
            line.push_back(char(c));
        } else if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            AppendUtf8(line, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            AppendEscape(line, c - 0xDC00);
        } else if (IsHigh(c) || IsLow(c)) {
            line += "%u";
            for (int shift = 12; shift >= 0; shift -= 4) line.push_back(kHex[(c >> shift) & 0xF]);
        } else {
            AppendUtf8(line, c);
        }
    }
}

std::optional<std::u16string> ParseText(std::string_view field) {
    std::u16string text;
    text.reserve(field.size());
    while (!field.empty()) {
        const std::size_t percent = field.find('%');
        const auto plain = platform::ValidUtf8ToUtf16(field.substr(0, percent));
        if (!plain) return std::nullopt;
        text += *plain;
        if (percent == std::string_view::npos) break;
        field.remove_prefix(percent + 1);
        if (field.starts_with('u')) {
            const auto unit =
                field.size() >= 5 ? ParseWith<std::uint16_t>(field.substr(1, 4), 16) : std::nullopt;
            if (!unit || *unit < 0xD800 || *unit > 0xDFFF) return std::nullopt;
            text.push_back(char16_t(*unit));
            field.remove_prefix(5);
        } else {
            const auto byte =
                field.size() >= 2 ? ParseWith<std::uint8_t>(field.substr(0, 2), 16) : std::nullopt;
            if (!byte) return std::nullopt;
            text.push_back(*byte < 0x80 ? char16_t(*byte) : char16_t(0xDC00 + *byte));
            field.remove_prefix(2);
        }
    }
    return text;
}

std::uint32_t LineCheck(std::string_view record) {
    std::uint32_t hash = 2166136261u;
    for (const char c : record) {
        hash ^= std::uint8_t(c);
        hash *= 16777619u;
    }
    return hash;
}

void AppendCheck(std::string& text, std::size_t start) {
    const std::uint32_t check = LineCheck(std::string_view(text).substr(start));
    text.push_back('\t');
    for (int shift = 28; shift >= 0; shift -= 4) text.push_back(kHex[(check >> shift) & 0xF]);
}

std::optional<std::string_view> CheckedRecord(std::string_view line) {
    constexpr std::size_t kField = 9;  // the tab and eight digits
    if (line.size() < kField || line[line.size() - kField] != '\t') return std::nullopt;
    const std::string_view record = line.substr(0, line.size() - kField);
    const std::string_view digits = line.substr(line.size() - kField + 1);
    // Upper-case digits only, as written: one spelling per check.
    if (digits.find_first_not_of("0123456789ABCDEF") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto check = ParseWith<std::uint32_t>(digits, 16);
    if (!check || *check != LineCheck(record)) return std::nullopt;
    return record;
}

void AppendNumber(std::string& line, std::uint64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    line.append(buffer, end);
}

std::optional<std::uint64_t> ParseNumber(std::string_view field) {
    return ParseWith<std::uint64_t>(field, 10);
}

std::optional<std::int64_t> ParseTime(std::string_view field) {
    return ParseWith<std::int64_t>(field, 10);
}

void AppendIdentity(std::string& line, const std::optional<platform::FileIdentity>& identity) {
    if (!identity) {
        line.push_back('-');
        return;
    }
    auto hex = [&line](auto value) {
        char buffer[24];
        line.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr);
    };
    hex(identity->volume);
    line.push_back(':');
    hex(identity->fileHigh);
    line.push_back(':');
    hex(identity->file);
    line.push_back(':');
    if (identity->birth == platform::kUnknownTime) {
        line.push_back('-');
    } else {
        hex(identity->birth);
    }
}

std::optional<std::optional<platform::FileIdentity>> ParseIdentity(std::string_view field) {
    if (field == "-") return std::optional<platform::FileIdentity>();
    std::string_view parts[4];
    for (int i = 0; i < 3; ++i) {
        const std::size_t colon = field.find(':');
        if (colon == std::string_view::npos) return std::nullopt;
        parts[i] = field.substr(0, colon);
        field.remove_prefix(colon + 1);
    }
    parts[3] = field;
    const auto volume = ParseWith<std::uint64_t>(parts[0], 16);
    const auto high = ParseWith<std::uint64_t>(parts[1], 16);
    const auto file = ParseWith<std::uint64_t>(parts[2], 16);
    const auto birth = parts[3] == "-" ? std::optional<std::int64_t>(platform::kUnknownTime)
                                       : ParseWith<std::int64_t>(parts[3], 16);
    if (!volume || !high || !file || !birth) return std::nullopt;
    return platform::FileIdentity{*volume, *high, *file, *birth};
}

}  // namespace morvalent::commit::journal
