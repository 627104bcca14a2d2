#include "edits/InfoEdits.h"

#include <array>

#include "edits/EncodingRepair.h"
#include "platform/NameRules.h"
#include "platform/Surrogates.h"
#include "platform/Text.h"

namespace morvalent::edits {
namespace {

// No file system allows more than 255 units in a name.
constexpr std::size_t kMostUnits = 255;
constexpr int kMostDigits = 9;

using platform::IsHighSurrogate;
using platform::IsLowSurrogate;

// A character that belongs to the one before it: the second half of a pair, a
// Hangul vowel or final consonant of a decomposed syllable, a combining mark.
bool ContinuesCharacter(char16_t c) {
    return IsLowSurrogate(c) || (c >= 0x1160 && c <= 0x11FF) || (c >= 0xD7B0 && c <= 0xD7FF) ||
           (c >= 0x0300 && c <= 0x036F) || c == 0x3099 || c == 0x309A;
}

// The ASCII characters a name may not hold here, asked of the platform once;
// control characters never belong in a name made from a tag.
const std::array<bool, 128>& ForbiddenAscii() {
    static const std::array<bool, 128> forbidden = [] {
        std::array<bool, 128> table{};
        for (char16_t c = 0; c < 128; ++c) {
            const std::u16string name{u'a', c, u'a'};
            table[c] = c < 0x20 || c == 0x7F || c == u'/' ||
                       platform::CheckTargetName(u"", name) == platform::NameFault::Forbidden;
        }
        return table;
    }();
    return forbidden;
}

// `text` without what lies beyond `end`, moved back to a character's start.
void CutAt(std::u16string& text, std::size_t end) {
    while (end > 0 && end < text.size() && ContinuesCharacter(text[end])) --end;
    text.resize(end);
}

void AppendNumber(std::u16string& out, std::uint64_t value, int width) {
    const std::u16string digits = platform::DecimalText(value);
    for (int i = int(digits.size()); i < width; ++i) out.push_back(u'0');
    out += digits;
}

struct FieldName {
    std::u16string_view name;
    int field;
};

}  // namespace

std::optional<std::u16string> NameSafeValue(std::u16string_view value) {
    const auto& forbidden = ForbiddenAscii();
    std::u16string safe(
        platform::TrimSpace(value.substr(0, std::min(value.size(), 4 * kMostUnits))));
    for (std::size_t i = 0; i < safe.size(); ++i) {
        char16_t& c = safe[i];
        const bool paired = IsHighSurrogate(c)  ? i + 1 < safe.size() && IsLowSurrogate(safe[i + 1])
                            : IsLowSurrogate(c) ? i > 0 && IsHighSurrogate(safe[i - 1])
                                                : true;
        if ((c < 128 && forbidden[c]) || !paired) c = u'_';
    }
    if (safe.size() > kMostUnits) CutAt(safe, kMostUnits);
    // Linux counts bytes: a Hangul syllable takes three.
    while (!safe.empty() && platform::CheckTargetName(u"", safe) == platform::NameFault::TooLong) {
        CutAt(safe, safe.size() - 1);
    }
    safe = std::u16string(platform::TrimSpace(safe));
    if (safe.empty()) return std::nullopt;
    return safe;
}

std::u16string TagValue(const platform::TagText& tag) {
    if (tag.storedAsLatin1) {
        if (auto korean = ReadAsKorean(tag.text, platform::CodePage::Latin1)) {
            return std::move(*korean);
        }
    }
    return tag.text;
}

std::optional<std::u16string> CameraName(const std::optional<std::u16string>& make,
                                         const std::optional<std::u16string>& model) {
    if (!make || !model) return make ? make : model;
    // The maker's first word: "NIKON" of "NIKON CORPORATION".
    const std::u16string_view maker = std::u16string_view(*make).substr(0, make->find(u' '));
    const std::u16string_view head = std::u16string_view(*model).substr(0, maker.size());
    if (platform::EqualsAsciiNoCase(head, maker)) return model;
    return std::u16string(maker) + u' ' + *model;
}

InfoFormat::InfoFormat(std::u16string_view format) {
    static constexpr FieldName kNames[] = {
        {u"artist", int(Field::Artist)},     {u"아티스트", int(Field::Artist)},
        {u"album", int(Field::Album)},       {u"앨범", int(Field::Album)},
        {u"title", int(Field::Title)},       {u"제목", int(Field::Title)},
        {u"track", int(Field::Track)},       {u"트랙", int(Field::Track)},
        {u"disc", int(Field::Disc)},         {u"디스크", int(Field::Disc)},
        {u"year", int(Field::Year)},         {u"연도", int(Field::Year)},
        {u"genre", int(Field::Genre)},       {u"장르", int(Field::Genre)},
        {u"camera", int(Field::Camera)},     {u"lens", int(Field::Lens)},
        {u"width", int(Field::Width)},       {u"height", int(Field::Height)},
        {u"iso", int(Field::Iso)},           {u"taken", int(Field::Taken)},
        {u"recorded", int(Field::Recorded)}, {u"duration", int(Field::Duration)},
    };
    std::size_t at = 0;
    while (at < format.size()) {
        const std::size_t open = format.find(u'{', at);
        if (open != at) {
            const std::size_t end = std::min(open, format.size());
            pieces_.push_back({Field::Literal, std::u16string(format.substr(at, end - at)), 0, {}});
            at = end;
            continue;
        }
        const std::size_t close = format.find(u'}', open);
        if (close == std::u16string_view::npos) {
            unknown_ = format.substr(open);
            return;
        }
        const std::u16string_view inside = format.substr(open + 1, close - open - 1);
        const std::size_t colon = inside.find(u':');
        const std::u16string_view name = inside.substr(0, colon);
        const std::optional<std::u16string_view> parameter =
            colon == std::u16string_view::npos ? std::nullopt
                                               : std::optional(inside.substr(colon + 1));
        Piece piece;
        for (const FieldName& known : kNames) {
            if (platform::EqualsAsciiNoCase(name, known.name)) piece.field = Field(known.field);
        }
        bool fits = piece.field != Field::Literal;
        if (piece.field == Field::Track || piece.field == Field::Disc) {
            piece.width = piece.field == Field::Track ? 2 : 1;
            if (parameter) {
                piece.width = platform::ParseLeadingInt(*parameter);
                fits = fits && parameter->size() == 1 && piece.width >= 1 &&
                       piece.width <= kMostDigits;
            }
        } else if (piece.field == Field::Taken || piece.field == Field::Recorded) {
            piece.date.emplace(parameter ? *parameter : std::u16string_view(kDefaultDateFormat));
        } else if (parameter) {
            fits = false;
        }
        if (!fits) {
            unknown_ = format.substr(open, close - open + 1);
            return;
        }
        pieces_.push_back(std::move(piece));
        at = close + 1;
    }
}

InfoSources InfoFormat::Sources() const {
    InfoSources sources;
    for (const Piece& piece : pieces_) {
        switch (piece.field) {
            case Field::Literal:
                break;
            case Field::Artist:
            case Field::Album:
            case Field::Title:
            case Field::Track:
            case Field::Disc:
            case Field::Year:
            case Field::Genre:
                sources.music = true;
                break;
            case Field::Camera:
            case Field::Lens:
            case Field::Width:
            case Field::Height:
            case Field::Iso:
                sources.camera = true;
                break;
            case Field::Taken:
                sources.taken = true;
                break;
            case Field::Recorded:
            case Field::Duration:
                sources.video = true;
                break;
        }
    }
    return sources;
}

std::optional<std::u16string> InfoFormat::Format(const FileInfo& info) const {
    std::u16string out;
    for (const Piece& piece : pieces_) {
        if (piece.field == Field::Literal) {
            out += piece.text;
            continue;
        }
        const auto value = Value(piece, info);
        if (!value) return std::nullopt;
        out += *value;
    }
    return out;
}

std::optional<std::u16string> InfoFormat::Value(const Piece& piece, const FileInfo& info) const {
    auto text = [](const std::optional<platform::TagText>& tag) -> std::optional<std::u16string> {
        if (!tag) return std::nullopt;
        return NameSafeValue(TagValue(*tag));
    };
    auto number = [&piece](std::optional<std::uint64_t> value) -> std::optional<std::u16string> {
        if (!value) return std::nullopt;
        std::u16string out;
        AppendNumber(out, *value, piece.width);
        return out;
    };
    auto date =
        [&piece](
            const std::optional<platform::DateTimeFields>& when) -> std::optional<std::u16string> {
        if (!when) return std::nullopt;
        return NameSafeValue(piece.date->Format(*when));
    };
    const platform::MusicTags& music = info.music;
    switch (piece.field) {
        case Field::Literal:
            return piece.text;
        case Field::Artist:
            return text(music.artist);
        case Field::Album:
            return text(music.album);
        case Field::Title:
            return text(music.title);
        case Field::Genre:
            return text(music.genre);
        case Field::Track:
            return number(music.track);
        case Field::Disc:
            return number(music.disc);
        case Field::Year:
            return number(music.year);
        case Field::Camera: {
            const auto name = CameraName(info.photo.make, info.photo.model);
            return name ? NameSafeValue(*name) : std::nullopt;
        }
        case Field::Lens:
            return info.photo.lens ? NameSafeValue(*info.photo.lens) : std::nullopt;
        case Field::Width:
            return number(info.photo.width);
        case Field::Height:
            return number(info.photo.height);
        case Field::Iso:
            return number(info.photo.iso);
        case Field::Taken:
            return date(info.photo.taken ? info.photo.taken : info.video.recorded);
        case Field::Recorded:
            return date(info.video.recorded);
        case Field::Duration: {
            if (!info.video.durationSeconds) return std::nullopt;
            const std::uint64_t seconds = *info.video.durationSeconds;
            std::u16string out;
            if (seconds >= 3600) {
                AppendNumber(out, seconds / 3600, 2);
                out.push_back(u'-');
            }
            AppendNumber(out, seconds / 60 % 60, 2);
            out.push_back(u'-');
            AppendNumber(out, seconds % 60, 2);
            return out;
        }
    }
    return std::nullopt;
}

}  // namespace morvalent::edits
