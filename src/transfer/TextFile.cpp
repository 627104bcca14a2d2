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

// The rest of the file after a UTF-16LE mark, read straight into the units.
std::optional<std::u16string> ReadLittleEndianUnits(platform::InputFile& file) {
    const std::uint64_t hint = file.SizeHint();
    std::u16string units(hint > 2 ? static_cast<std::size_t>((hint - 2) / 2 + 1) : 1, u'\0');
    std::size_t bytes = 0;
    while (true) {
        if (bytes == 2 * units.size()) units.resize(units.size() + units.size() / 2);
        // Bytes beyond what is read stay zero: an odd last byte gets a zero high half.
        const std::size_t wanted = 2 * units.size() - bytes;
        const auto got = file.Read(reinterpret_cast<char*>(units.data()) + bytes, wanted);
        if (!got) return std::nullopt;
        bytes += *got;
        if (*got < wanted) break;
    }
    units.resize((bytes + 1) / 2);
    units.resize(std::find(units.begin(), units.end(), u'\0') - units.begin());
    return units;
}

bool ReadRest(platform::InputFile& file, std::string& bytes) {
    std::size_t used = bytes.size();
    const std::uint64_t hint = file.SizeHint();
    bytes.resize(std::max<std::size_t>(static_cast<std::size_t>(hint) + 1, used + 4096));
    while (true) {
        if (used == bytes.size()) bytes.resize(bytes.size() + bytes.size() / 2);
        const std::size_t wanted = bytes.size() - used;
        const auto got = file.Read(bytes.data() + used, wanted);
        if (!got) return false;
        used += *got;
        if (*got < wanted) break;
    }
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
    if (!file.IsOpen()) return std::nullopt;
    std::string bytes(2, '\0');
    const auto head = file.Read(bytes.data(), 2);
    if (!head) return std::nullopt;
    if (kLittleEndian && *head == 2 && bytes == "\xFF\xFE") return ReadLittleEndianUnits(file);
    if (*head < 2) return std::u16string();
    if (!ReadRest(file, bytes)) return std::nullopt;
    return DecodeTextFile(bytes);
}

}  // namespace morvalent::transfer
