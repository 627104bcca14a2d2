#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

// A file opened for reading.
class InputFile {
  public:
    explicit InputFile(std::u16string_view path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False when the path could not be opened as a plain file, or on Linux a pipe
    // (never a folder or a device). A named pipe opens once a writer has it open.
    bool IsOpen() const;
    // The size when it was opened (0 for a pipe): a hint, as the file may still change.
    std::uint64_t SizeHint() const;
    // Fills `buffer` as far as the file goes: the number of bytes read, less than
    // `size` only at the end; nothing on a read error.
    std::optional<std::size_t> Read(char* buffer, std::size_t size);
    // Moves the next read to `offset` bytes from the start; false for a pipe or on error.
    bool Seek(std::uint64_t offset);

  private:
    std::intptr_t handle_ = -1;  // the system's descriptor or handle
    std::uint64_t size_ = 0;
};

// A file written under a temporary name beside the chosen one, which takes the
// chosen name only in Commit, once it is complete on disk. So a failure never
// leaves a shortened or half-written file in place of one that was there.
class ReplacingFile {
  public:
    explicit ReplacingFile(std::u16string_view path);
    // Removes the temporary file unless it was committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when the file cannot be written there: the folder is missing or not
    // writable, or something other than a writable plain file has the name.
    bool IsOpen() const;
    bool Write(std::string_view bytes);
    // Puts the file in place, replacing a file of that name (the user has agreed
    // to that); it keeps the permissions of the file it replaces.
    bool Commit();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace morvalent::platform
