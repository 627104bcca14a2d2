#pragma once

#include <cstdint>
#include <string>

// Small media files written byte by byte, for the metadata readers.
namespace morvalent::testing {

// An MP4 file: ftyp, then moov holding one mvhd box of the given version (0: 32-bit
// times, 1: 64-bit), then a little media data.
std::string Mp4WithMovieHeader(std::uint64_t creationSince1904, std::uint32_t timescale,
                               std::uint64_t duration, int version = 0);

// An ID3v2.3 text frame ("TPE1") whose text is `bytes` in text encoding
// `encoding` (0 ISO-8859-1, 1 UTF-16 with byte-order mark), as `bytes` are given.
std::string Id3v2Frame(const std::string& id, char encoding, const std::string& bytes);
// An MP3 file: an ID3v2.3 tag of the given frames (may be empty: no tag), one
// silent MPEG frame, and an ID3v1 tag when `v1Title` or `v1Artist` is not empty
// (their bytes stored as given).
std::string Mp3(const std::string& v2Frames, const std::string& v1Title = {},
                const std::string& v1Artist = {}, unsigned char v1Track = 0);

}  // namespace morvalent::testing
