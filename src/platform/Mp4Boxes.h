#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

// The movie header of an MP4, QuickTime or 3GP file, found by walking its boxes.
namespace morvalent::platform {

// Fills `buffer` from `offset` on: the count read (short at the end of the file),
// nothing on a read error.
using ReadAt =
    std::function<std::optional<std::size_t>(std::uint64_t offset, char* buffer, std::size_t size)>;

struct MovieHeader {
    std::uint64_t creationTime = 0;  // seconds since 1904-01-01 UTC; 0 when not set
    std::uint32_t timescale = 0;     // units of `duration` per second
    std::uint64_t duration = 0;
};

// The moov/mvhd box of a file of `fileSize` bytes. Reads box headers only and
// skips over the media data; a walk has a fixed number of steps, so a damaged or
// hostile file ends it quickly with nothing.
std::optional<MovieHeader> ReadMovieHeader(std::uint64_t fileSize, const ReadAt& read);

}  // namespace morvalent::platform
