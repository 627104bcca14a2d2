#include "transfer/TextFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/LargePages.h"
#include "platform/Text.h"
#include "platform/TextFiles.h"
#include "transfer/ExportText.h"
#include "transfer/TextDecoding.h"
#include "transfer/TransferTexts.h"

namespace morvalent::transfer {
namespace {

// Written in pieces of about this many bytes, so a long list needs no second copy.
constexpr std::size_t kPiece = std::size_t(1) << 20;
constexpr bool kLittleEndian = std::endian::native == std::endian::little;
// Read and decoded in pieces of this many bytes, small enough to stay in the cache.
constexpr std::size_t kReadPiece = std::size_t(256) << 10;

void AppendLittleEndian(std::string& out, std::u16string_view units) {
    const std::size_t start = out.size();
    out.resize(start + 2 * units.size());
    if constexpr (kLittleEndian) {
        if (!units.empty()) std::memcpy(out.data() + start, units.data(), 2 * units.size());
    } else {
        for (std::size_t i = 0; i < units.size(); ++i) {
            out[start + 2 * i] = static_cast<char>(units[i] & 0xFF);
            out[start + 2 * i + 1] = static_cast<char>(units[i] >> 8);
        }
    }
}

// How far a buffer of `size` grows when it is full: by half, up to one past the limit.
std::size_t Grown(std::size_t size, std::size_t limit) {
    return std::max(size + 1, std::min(size + size / 2, limit + 1));
}

// An empty text with room for `units`, to be filled once from end to end.
std::u16string RoomForText(std::size_t units) {
    std::u16string text;
    text.reserve(units);
    platform::PreferLargePages(text.data(), 2 * text.capacity());
    return text;
}

// The text handed back: room it was given but does not use goes back first.
void Shrink(std::u16string& text) {
    if (text.capacity() - text.size() > text.size() / 8) text.shrink_to_fit();
}

TextRead Failed(ReadFailure failure) { return {{}, failure, 0}; }

// The rest of the file after a UTF-16LE mark, read straight into the units.
TextRead ReadLittleEndianUnits(platform::InputFile& file, std::uint64_t limit) {
    const std::uint64_t hint = std::min(file.SizeHint(), limit);
    std::u16string units = RoomForText(static_cast<std::size_t>(hint / 2 + 1));
    std::size_t bytes = 0;
    while (true) {
        if (bytes + 2 > limit) return Failed(ReadFailure::TooLarge);
        // Grown a piece at a time, so its zeros are still in the cache when the read
        // lands on them. Bytes beyond what is read stay zero: an odd last byte gets
        // a zero high half.
        const std::size_t read = bytes / 2;
        units.resize(read < units.capacity() ? std::min(read + kReadPiece / 2, units.capacity())
                                             : read + kReadPiece / 2);
        const std::size_t wanted = 2 * units.size() - bytes;
        const auto got = file.Read(reinterpret_cast<char*>(units.data()) + bytes, wanted);
        if (!got) return Failed(ReadFailure::Unreadable);
        bytes += *got;
        if (*got < wanted) break;
    }
    // Two bytes of mark before these.
    if (bytes + 2 > limit) return Failed(ReadFailure::TooLarge);
    units.resize((bytes + 1) / 2);
    return {std::move(units), ReadFailure::None, 0};
}

ReadFailure ReadRest(platform::InputFile& file, std::string& bytes, std::uint64_t limit) {
    std::size_t used = bytes.size();
    const std::uint64_t hint = std::min(file.SizeHint(), limit);
    bytes.resize(std::max<std::size_t>(static_cast<std::size_t>(hint) + 1, used + 4096));
    while (true) {
        if (used > limit) return ReadFailure::TooLarge;
        if (used == bytes.size()) bytes.resize(Grown(bytes.size(), limit));
        const std::size_t wanted = bytes.size() - used;
        const auto got = file.Read(bytes.data() + used, wanted);
        if (!got) return ReadFailure::Unreadable;
        used += *got;
        if (*got < wanted) break;
    }
    if (used > limit) return ReadFailure::TooLarge;
    bytes.resize(used);
    return ReadFailure::None;
}

// A file without a UTF-16 mark, whose first two bytes are `head`: decoded as UTF-8
// piece by piece while it is read, so the bytes are never held whole. Only when
// they turn out not to be UTF-8 are they gathered whole and decided on together.
TextRead ReadUtf8(platform::InputFile& file, std::string_view head, std::uint64_t limit) {
    std::string piece(kReadPiece, '\0');
    std::memcpy(piece.data(), head.data(), head.size());
    std::size_t have = head.size();  // bytes in `piece` not decoded yet
    std::size_t start = 0;           // where they begin
    std::uint64_t total = head.size();
    const std::uint64_t hint = std::min(file.SizeHint(), limit);
    std::u16string text = RoomForText(static_cast<std::size_t>(hint));
    std::size_t used = 0;
    bool escape = false;
    for (bool first = true;; first = false) {
        const std::size_t wanted = piece.size() - have;
        const auto got = file.Read(piece.data() + have, wanted);
        if (!got) return Failed(ReadFailure::Unreadable);
        have += *got;
        total += *got;
        if (total > limit) return Failed(ReadFailure::TooLarge);
        const bool last = *got < wanted;
        if (first && last && total <= 2) return {};
        if (first && std::string_view(piece.data(), have).starts_with("\xEF\xBB\xBF")) {
            // Marked as UTF-8: odd bytes are kept as escapes, never taken as another encoding.
            escape = true;
            start = 3;
        }
        const std::string_view bytes(piece.data() + start, have - start);
        if (text.size() < used + bytes.size()) text.resize(used + bytes.size());
        const auto decoded = platform::DecodeUtf8(bytes, text.data() + used, escape, !last);
        if (decoded.invalid) {
            // What was decoded is valid UTF-8, so it encodes back to the same bytes.
            text.resize(used + decoded.written);
            std::string all = platform::Utf16ToUtf8Lossy(text);
            std::u16string().swap(text);
            all.append(piece, start + decoded.read, have - start - decoded.read);
            std::string().swap(piece);
            if (const ReadFailure failure = ReadRest(file, all, limit);
                failure != ReadFailure::None) {
                return Failed(failure);
            }
            return {DecodeTextFile(all), ReadFailure::None, 0};
        }
        used += decoded.written;
        start += decoded.read;
        // A character cut off at the end of the piece goes first into the next one.
        const std::size_t carried = have - start;
        std::memmove(piece.data(), piece.data() + start, carried);
        have = carried;
        start = 0;
        if (last) break;
    }
    text.resize(used);
    return {std::move(text), ReadFailure::None, 0};
}

TextRead ReadAny(std::u16string_view path, std::uint64_t limit) {
    platform::InputFile file(path);
    if (!file.IsOpen()) return Failed(ReadFailure::Unreadable);
    if (file.SizeHint() > limit) return Failed(ReadFailure::TooLarge);
    std::string bytes(2, '\0');
    const auto head = file.Read(bytes.data(), 2);
    if (!head) return Failed(ReadFailure::Unreadable);
    if (kLittleEndian && *head == 2 && bytes == "\xFF\xFE") {
        return ReadLittleEndianUnits(file, limit);
    }
    if (*head < 2) return {};
    if (bytes != "\xFF\xFE" && bytes != "\xFE\xFF") return ReadUtf8(file, bytes, limit);
    if (const ReadFailure failure = ReadRest(file, bytes, limit); failure != ReadFailure::None) {
        return Failed(failure);
    }
    return {DecodeTextFile(bytes), ReadFailure::None, 0};
}

}  // namespace

bool WriteTextFile(std::u16string_view path, const filelist::FileList& list, bool paths) {
    platform::ReplacingFile file(path);
    if (!file.IsOpen()) return false;
    std::string piece;
    piece.reserve(kPiece + 1024);
    piece = "\xFF\xFE";
    for (std::size_t row = 0; row < list.Count(); ++row) {
        AppendLittleEndian(piece, ExportValue(list, row, paths));
        AppendLittleEndian(piece, u"\r\n");
        if (piece.size() >= kPiece) {
            if (!file.Write(piece)) return false;
            piece.clear();
        }
    }
    if (!piece.empty() && !file.Write(piece)) return false;
    return file.Commit();
}

TextRead ReadTextFile(std::u16string_view path, std::uint64_t limit) {
    TextRead read = ReadAny(path, limit);
    // A zero would end a path early where the system takes it, so the file is
    // refused rather than read as something it does not say.
    const auto zero = std::find(read.text.begin(), read.text.end(), u'\0');
    if (zero != read.text.end()) {
        read.line = std::size_t(std::count(read.text.begin(), zero, u'\n')) + 1;
        read.failure = ReadFailure::ZeroCharacter;
        std::u16string().swap(read.text);
        return read;
    }
    Shrink(read.text);
    return read;
}

std::u16string ReadFailureText(const TextRead& read, std::u16string_view path) {
    switch (read.failure) {
        case ReadFailure::None:
            break;
        case ReadFailure::Unreadable:
            return platform::FormatText(texts::kReadFailed, path);
        case ReadFailure::TooLarge:
            return platform::FormatText(texts::kListTooLarge, path);
        case ReadFailure::ZeroCharacter:
            return platform::FormatText(texts::kZeroInList,
                                        platform::DecimalText(std::uint64_t(read.line)), path);
    }
    return {};
}

}  // namespace morvalent::transfer
