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
    [[nodiscard]] bool CreateNew(std::u16string_view path);
    // Opens an existing file to add after all it holds; nothing in it is changed.
    [[nodiscard]] bool OpenToAppend(std::u16string_view path);
    bool IsOpen() const { return handle_ != -1; }
    [[nodiscard]] bool Append(std::string_view bytes);
    // The file's contents on stable storage.
    [[nodiscard]] bool Sync();
    void Close();

  private:
    std::intptr_t handle_ = -1;  // the system's descriptor or handle
};

// The folder's list of names (a file just made in it) on stable storage.
[[nodiscard]] bool SyncFolder(std::u16string_view folder);
bool RemoveFile(std::u16string_view path);
// The whole of a plain file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(std::u16string_view path);

}  // namespace morvalent::platform
