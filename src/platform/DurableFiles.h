#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

// A file the program keeps for itself and only ever adds to, put on stable
// storage when asked (so that what it says survives a crash or a power cut).
class AppendFile {
  public:
    AppendFile() = default;
    ~AppendFile();
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    // Makes a new file, readable by the user alone; false when anything has the name.
    bool CreateNew(std::u16string_view path);
    // Opens an existing file, cut to its first `keep` bytes, to add after them.
    bool OpenAt(std::u16string_view path, std::uint64_t keep);
    bool IsOpen() const { return handle_ != -1; }
    bool Append(std::string_view bytes);
    // The file's contents on stable storage.
    bool Sync();
    void Close();

  private:
    std::intptr_t handle_ = -1;  // the system's descriptor or handle
};

// The folder's list of names (a file just made in it) on stable storage.
bool SyncFolder(std::u16string_view folder);
bool RemoveFile(std::u16string_view path);
// The whole of a plain file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(std::u16string_view path);

}  // namespace morvalent::platform
