#include "transfer/TextFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/TextFiles.h"
#include "transfer/ExportText.h"
#include "transfer/TextDecoding.h"

namespace morvalent::transfer {
namespace {

// Written in pieces of about this many bytes, so a long list needs no second copy.
constexpr std::size_t kPiece = std::size_t(1) << 20;
constexpr bool kLittleEndian = std::endian::native == std::endian::little;

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

// The rest of the file after a UTF-16LE mark, read straight into the units.
std::optional<std::u16string> ReadLittleEndianUnits(platform::InputFile& file) {
    const std::uint64_t hint = std::min(file.SizeHint(), kMaxTextFileBytes);
    std::u16string units(hint > 2 ? static_cast<std::size_t>((hint - 2) / 2 + 1) : 2048, u'\0');
    std::size_t bytes = 0;
    while (true) {
        if (bytes + 2 > kMaxTextFileBytes) return std::nullopt;
        if (bytes == 2 * units.size()) units.resize(Grown(units.size(), kMaxTextFileBytes / 2));
        // Bytes beyond what is read stay zero: an odd last byte gets a zero high half.
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
    if (!ReadRest(file, bytes)) return std::nullopt;
    return DecodeTextFile(bytes);
}

}  // namespace morvalent::transfer
