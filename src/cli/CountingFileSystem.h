#pragma once

#include <cstddef>

#include "platform/ForwardingFileSystem.h"

namespace morvalent::cli {

// Passes every call on and counts the items handled (listed, read, moved), so a
// progress line can tell how far long work has come.
class CountingFileSystem : public platform::ForwardingFileSystem {
  public:
    explicit CountingFileSystem(platform::FileSystem& inner) : ForwardingFileSystem(inner) {}

    std::size_t Count() const { return count_; }

    std::optional<platform::FileInfo> ReadInfo(std::u16string_view path) override;
    bool ListFolder(std::u16string_view folder, std::vector<platform::FolderItem>& items) override;
    bool ListNames(std::u16string_view folder, std::vector<std::u16string>& names) override;

  protected:
    platform::MoveOutcome Move(std::u16string_view source, std::u16string_view target,
                               const InnerMove& inner) override;

  private:
    std::size_t count_ = 0;
};

}  // namespace morvalent::cli
