#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace morvalent::platform {

class PosixFileSystem : public FileSystem {
  public:
    std::optional<bool> IsFolder(std::u16string_view path) override;
    std::optional<FileInfo> ReadInfo(std::u16string_view path) override;
    bool ListFolder(std::u16string_view folder, std::vector<FolderItem>& items) override;
    bool ListNames(std::u16string_view folder, std::vector<std::u16string>& names) override;
    MoveOutcome MoveNoReplace(std::u16string_view source, std::u16string_view target) override;
    std::optional<FileIdentity> ReadIdentity(std::u16string_view path) override;
    std::vector<std::optional<FileIdentity>> ReadIdentities(
        const std::vector<std::u16string_view>& paths) override;

  private:
    static std::optional<FileIdentity> IdentityAt(int folder, const char* name);
};

// The move without replacing, on native (byte) paths. Defined in its own file.
MoveOutcome MoveNoReplaceNative(const std::string& source, const std::string& target);

}  // namespace morvalent::platform
