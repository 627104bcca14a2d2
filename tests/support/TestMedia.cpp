#include "support/TestMedia.h"

namespace morvalent::testing {
namespace {

using namespace std::string_literals;

std::string BigEndian(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out.push_back(char(value >> (8 * i) & 0xFF));
    return out;
}

std::string Box(const std::string& type, const std::string& payload) {
    return BigEndian(8 + payload.size(), 4) + type + payload;
}

// ID3v2 sizes: 7 bits a byte.
std::string SyncSafe(std::size_t size) {
    std::string out;
    for (int i = 3; i >= 0; --i) out.push_back(char(size >> (7 * i) & 0x7F));
    return out;
}

std::string Padded(const std::string& text, std::size_t size) {
    return text.substr(0, size) + std::string(size - std::min(size, text.size()), '\0');
}

}  // namespace

std::string Mp4WithMovieHeader(std::uint64_t creationSince1904, std::uint32_t timescale,
                               std::uint64_t duration, int version) {
    std::string header =
        version == 1
            ? "\x01\0\0\0"s + BigEndian(creationSince1904, 8) + BigEndian(creationSince1904, 8) +
                  BigEndian(timescale, 4) + BigEndian(duration, 8)
            : "\0\0\0\0"s + BigEndian(creationSince1904, 4) + BigEndian(creationSince1904, 4) +
                  BigEndian(timescale, 4) + BigEndian(duration, 4);
    // Rate, volume, matrix and the rest of a real header.
    header += std::string(80, '\0');
    return Box("ftyp", "isom\0\0\x02\0isomiso2mp41"s) + Box("moov", Box("mvhd", header)) +
           Box("mdat", std::string(64, '\x55'));
}

std::string Id3v2Frame(const std::string& id, char encoding, const std::string& bytes) {
    const std::string body = std::string(1, encoding) + bytes;
    return id + BigEndian(body.size(), 4) + "\0\0"s + body;
}

std::string Mp3(const std::string& v2Frames, const std::string& v1Title,
                const std::string& v1Artist, unsigned char v1Track) {
    std::string file;
    if (!v2Frames.empty()) file = "ID3\x03\0\0"s + SyncSafe(v2Frames.size()) + v2Frames;
    // MPEG-1 layer III, 128 kbit/s, 44.1 kHz: 417 bytes a frame.
    file += "\xFF\xFB\x90\x00"s + std::string(413, '\0');
    if (!v1Title.empty() || !v1Artist.empty()) {
        file += "TAG" + Padded(v1Title, 30) + Padded(v1Artist, 30) + Padded("", 30) + "2001" +
                Padded("", 28) + '\0' + char(v1Track) + '\xFF';
    }
    return file;
}

}  // namespace morvalent::testing
