#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "filelist/FileList.h"

namespace morvalent::transfer {

// Writes the export text of the list (BuildExportText) as a file: the UTF-16LE
// byte-order mark FF FE, then every unit low byte first, with no terminating zero.
// A file of that name is replaced only once the new one is complete. False when
// it could not be written; a file that was there is then left as it was.
bool WriteTextFile(std::u16string_view path, const filelist::FileList& list, bool paths);

// The largest list file read: a few million lines of long paths. Reading one
// takes about twice its size in memory (its text as UTF-16), three times when
// it is 8-bit text other than UTF-8.
inline constexpr std::uint64_t kMaxTextFileBytes = std::uint64_t(256) << 20;

// Why a list file gave no text.
enum class ReadFailure {
    None,
    Unreadable,     // it could not be opened or read
    TooLarge,       // it holds more bytes than the limit
    ZeroCharacter,  // a zero character, which no path or name holds, is in it
};

struct TextRead {
    std::u16string text;
    ReadFailure failure = ReadFailure::None;
    std::size_t line = 0;  // ZeroCharacter: the line (from 1) that holds the first one
};

// The text of a file or a pipe, decoded as DecodeTextFile says, or why there is
// none. `limit` is kMaxTextFileBytes but in tests.
TextRead ReadTextFile(std::u16string_view path, std::uint64_t limit = kMaxTextFileBytes);

// What the user is told when a list file gave no text.
std::u16string ReadFailureText(const TextRead& read, std::u16string_view path);

}  // namespace morvalent::transfer
