#pragma once

#include "filelist/IconCache.h"

namespace morvalent::win32ui {

// Row icons from the system's small-icon list, asked by name and kind only (never
// of a real file). The list itself is the one the list view shows.
class ShellIconSource final : public filelist::IconSource {
  public:
    std::int32_t IconIndexFor(std::u16string_view extension, bool isFolder) override;
};

}  // namespace morvalent::win32ui
