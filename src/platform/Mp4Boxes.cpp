#include "platform/Mp4Boxes.h"

#include <array>
#include <string_view>

namespace morvalent::platform {
namespace {

// Far more than any real file has at either level.
constexpr int kMaxTopBoxes = 64;
constexpr int kMaxMovieBoxes = 256;

std::uint64_t BigEndian(const unsigned char* bytes, int count) {
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
    return value;
}

struct Box {
    std::array<char, 4> type{};
    std::uint64_t start = 0;
    std::uint64_t payload = 0;  // where the box's contents begin
    std::uint64_t end = 0;
};

// The box whose header is at `at`, within `limit`; nothing when it does not fit.
std::optional<Box> ReadBox(const ReadAt& read, std::uint64_t at, std::uint64_t limit) {
    if (at >= limit || limit - at < 8) return std::nullopt;
    unsigned char header[16];
    const auto got = read(at, reinterpret_cast<char*>(header), sizeof header);
    if (!got || *got < 8) return std::nullopt;
    Box box;
    box.start = at;
    std::copy(header + 4, header + 8, box.type.begin());
    std::uint64_t size = BigEndian(header, 4);
    std::uint64_t headerSize = 8;
    if (size == 1) {
        if (*got < 16) return std::nullopt;
        size = BigEndian(header + 8, 8);
        headerSize = 16;
    } else if (size == 0) {
        size = limit - at;  // to the end of what holds it
    }
    if (size < headerSize || size > limit - at) return std::nullopt;
    box.payload = at + headerSize;
    box.end = at + size;
    return box;
}

bool IsType(const Box& box, std::string_view type) {
    return std::string_view(box.type.data(), box.type.size()) == type;
}

// The boxes a QuickTime or ISO media file begins with.
bool IsFirstBox(const Box& box) {
    for (std::string_view type : {"ftyp", "moov", "wide", "free", "skip", "mdat", "pnot"}) {
        if (IsType(box, type)) return true;
    }
    return false;
}

std::optional<MovieHeader> ReadHeaderBox(const ReadAt& read, const Box& box) {
    unsigned char bytes[32];
    const auto got = read(box.payload, reinterpret_cast<char*>(bytes), sizeof bytes);
    if (!got) return std::nullopt;
    const std::uint64_t available = std::min<std::uint64_t>(*got, box.end - box.payload);
    MovieHeader header;
    if (available >= 20 && bytes[0] == 0) {
        header.creationTime = BigEndian(bytes + 4, 4);
        header.timescale = std::uint32_t(BigEndian(bytes + 12, 4));
        header.duration = BigEndian(bytes + 16, 4);
        // All ones: the duration is not known.
        if (header.duration == 0xFFFFFFFFu) header.duration = 0;
    } else if (available >= 32 && bytes[0] == 1) {
        header.creationTime = BigEndian(bytes + 4, 8);
        header.timescale = std::uint32_t(BigEndian(bytes + 20, 4));
        header.duration = BigEndian(bytes + 24, 8);
        if (header.duration == ~std::uint64_t(0)) header.duration = 0;
    } else {
        return std::nullopt;
    }
    return header;
}

}  // namespace

std::optional<MovieHeader> ReadMovieHeader(std::uint64_t fileSize, const ReadAt& read) {
    std::uint64_t at = 0;
    for (int top = 0; top < kMaxTopBoxes && at < fileSize; ++top) {
        const auto box = ReadBox(read, at, fileSize);
        if (!box || (top == 0 && !IsFirstBox(*box))) return std::nullopt;
        if (IsType(*box, "moov")) {
            std::uint64_t inner = box->payload;
            for (int k = 0; k < kMaxMovieBoxes && inner < box->end; ++k) {
                const auto child = ReadBox(read, inner, box->end);
                if (!child) return std::nullopt;
                if (IsType(*child, "mvhd")) return ReadHeaderBox(read, *child);
                inner = child->end;
            }
            return std::nullopt;
        }
        at = box->end;
    }
    return std::nullopt;
}

}  // namespace morvalent::platform
