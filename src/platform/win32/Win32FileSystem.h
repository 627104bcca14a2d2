#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace morvalent::platform {

class Win32FileSystem : public FileSystem {
  public:
    std::optional<bool> IsFolder(std::u16string_view path) override;
    std::optional<FileInfo> ReadInfo(std::u16string_view path) override;
    bool ListFolder(std::u16string_view folder, std::vector<FolderItem>& items) override;
    MoveOutcome MoveNoReplace(std::u16string_view source, std::u16string_view target) override;
    std::optional<FileIdentity> ReadIdentity(std::u16string_view path) override;
};

// The move without replacing, on wide paths. Defined in its own file.
MoveOutcome MoveNoReplaceNative(const std::wstring& source, const std::wstring& target);

}  // namespace morvalent::platform
