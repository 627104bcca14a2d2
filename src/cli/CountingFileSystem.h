#pragma once

#include <cstddef>

#include "platform/FileSystem.h"

namespace morvalent::cli {

// Passes every call on and counts the items handled (listed, read, moved), so a
// progress line can tell how far long work has come.
class CountingFileSystem : public platform::FileSystem {
  public:
    explicit CountingFileSystem(platform::FileSystem& inner) : inner_(inner) {}

    std::size_t Count() const { return count_; }

    std::optional<bool> IsFolder(std::u16string_view path) override;
    std::optional<platform::FileInfo> ReadInfo(std::u16string_view path) override;
    bool ListFolder(std::u16string_view folder, std::vector<platform::FolderItem>& items) override;
    bool ListNames(std::u16string_view folder, std::vector<std::u16string>& names) override;
    platform::MoveOutcome MoveNoReplace(std::u16string_view source,
                                        std::u16string_view target) override;
    std::optional<platform::FileIdentity> ReadIdentity(std::u16string_view path) override;
    std::vector<std::optional<platform::FileIdentity>> ReadIdentities(
        const std::vector<std::u16string_view>& paths) override;
    std::unique_ptr<platform::MoveRun> BeginMoves() override;

  private:
    platform::FileSystem& inner_;
    std::size_t count_ = 0;
};

}  // namespace morvalent::cli
