#include "transfer/TextFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/LargePages.h"
#include "platform/Text.h"
#include "platform/TextFiles.h"
#include "transfer/ExportText.h"
#include "transfer/TextDecoding.h"

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

// The rest of the file after a UTF-16LE mark, read straight into the units.
std::optional<std::u16string> ReadLittleEndianUnits(platform::InputFile& file) {
    const std::uint64_t hint = std::min(file.SizeHint(), kMaxTextFileBytes);
    std::u16string units = RoomForText(static_cast<std::size_t>(hint / 2 + 1));
    std::size_t bytes = 0;
    while (true) {
        if (bytes + 2 > kMaxTextFileBytes) return std::nullopt;
        // Grown a piece at a time, so its zeros are still in the cache when the read
        // lands on them. Bytes beyond what is read stay zero: an odd last byte gets
        // a zero high half.
        const std::size_t read = bytes / 2;
        units.resize(read < units.capacity() ? std::min(read + kReadPiece / 2, units.capacity())
                                             : read + kReadPiece / 2);
        const std::size_t wanted = 2 * units.size() - bytes;
        const auto got = file.Read(reinterpret_cast<char*>(units.data()) + bytes, wanted);
        if (!got) return std::nullopt;
        bytes += *got;
        if (*got < wanted) break;
    }
    // Two bytes of mark before these.
    if (bytes + 2 > kMaxTextFileBytes) return std::nullopt;
    units.resize((bytes + 1) / 2);
    units.resize(std::find(units.begin(), units.end(), u'\0') - units.begin());
    return units;
}

bool ReadRest(platform::InputFile& file, std::string& bytes) {
    std::size_t used = bytes.size();
    const std::uint64_t hint = std::min(file.SizeHint(), kMaxTextFileBytes);
    bytes.resize(std::max<std::size_t>(static_cast<std::size_t>(hint) + 1, used + 4096));
    while (true) {
        if (used > kMaxTextFileBytes) return false;
        if (used == bytes.size()) bytes.resize(Grown(bytes.size(), kMaxTextFileBytes));
        const std::size_t wanted = bytes.size() - used;
        const auto got = file.Read(bytes.data() + used, wanted);
        if (!got) return false;
        used += *got;
        if (*got < wanted) break;
    }
    if (used > kMaxTextFileBytes) return false;
    bytes.resize(used);
    return true;
}

// A file without a UTF-16 mark, whose first two bytes are `head`: decoded as UTF-8
// piece by piece while it is read, so the bytes are never held whole. Only when
// they turn out not to be UTF-8 are they gathered whole and decided on together.
std::optional<std::u16string> ReadUtf8(platform::InputFile& file, std::string_view head) {
    std::string piece(kReadPiece, '\0');
    std::memcpy(piece.data(), head.data(), head.size());
    std::size_t have = head.size();  // bytes in `piece` not decoded yet
    std::size_t start = 0;           // where they begin
    std::uint64_t total = head.size();
    const std::uint64_t hint = std::min(file.SizeHint(), kMaxTextFileBytes);
    std::u16string text = RoomForText(static_cast<std::size_t>(hint));
    std::size_t used = 0;
    bool escape = false;
    bool ended = false;  // the text ended at a zero byte; the rest is only counted
    for (bool first = true;; first = false) {
        const std::size_t wanted = piece.size() - have;
        const auto got = file.Read(piece.data() + have, wanted);
        if (!got) return std::nullopt;
        have += *got;
        total += *got;
        if (total > kMaxTextFileBytes) return std::nullopt;
        const bool last = *got < wanted;
        if (first && last && total <= 2) return std::u16string();
        if (first && std::string_view(piece.data(), have).starts_with("\xEF\xBB\xBF")) {
            // Marked as UTF-8: odd bytes are kept as escapes, never taken as another encoding.
            escape = true;
            start = 3;
        }
        if (!ended) {
            std::string_view bytes(piece.data() + start, have - start);
            if (const auto zero = bytes.find('\0'); zero != std::string_view::npos) {
                bytes = bytes.substr(0, zero);
                ended = true;
            }
            if (text.size() < used + bytes.size()) text.resize(used + bytes.size());
            const auto decoded =
                platform::DecodeUtf8(bytes, text.data() + used, escape, !last && !ended);
            if (decoded.invalid) {
                // What was decoded is valid UTF-8, so it encodes back to the same bytes.
                text.resize(used + decoded.written);
                std::string all = platform::Utf16ToUtf8Lossy(text);
                std::u16string().swap(text);
                all.append(piece, start + decoded.read, have - start - decoded.read);
                if (!ReadRest(file, all)) return std::nullopt;
                return DecodeTextFile(all);
            }
            used += decoded.written;
            start += decoded.read;
        }
        // A character cut off at the end of the piece goes first into the next one.
        const std::size_t carried = ended ? 0 : have - start;
        std::memmove(piece.data(), piece.data() + start, carried);
        have = carried;
        start = 0;
        if (last) break;
    }
    text.resize(used);
    return text;
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

std::optional<std::u16string> ReadTextFile(std::u16string_view path) {
    platform::InputFile file(path);
    if (!file.IsOpen() || file.SizeHint() > kMaxTextFileBytes) return std::nullopt;
    std::string bytes(2, '\0');
    const auto head = file.Read(bytes.data(), 2);
    if (!head) return std::nullopt;
    if (kLittleEndian && *head == 2 && bytes == "\xFF\xFE") return ReadLittleEndianUnits(file);
    if (*head < 2) return std::u16string();
    if (bytes != "\xFF\xFE" && bytes != "\xFE\xFF") return ReadUtf8(file, bytes);
    if (!ReadRest(file, bytes)) return std::nullopt;
    return DecodeTextFile(bytes);
}

}  // namespace morvalent::transfer
