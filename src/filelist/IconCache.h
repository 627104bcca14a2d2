#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace morvalent::filelist {

// Gives the index of a small icon for a name (an extension) and a kind.
class IconSource {
  public:
    virtual ~IconSource() = default;
    virtual std::int32_t IconIndexFor(std::u16string_view extension, bool isFolder) = 0;
};

// Asks the source once for folders and once per distinct extension (exact,
// case-sensitive keys; the empty key for files without one).
class IconCache {
  public:
    explicit IconCache(IconSource& source) : source_(source) {}
    std::int32_t GetIconIndex(std::u16string_view extension, bool isFolder);

  private:
    IconSource& source_;
    std::int32_t folderIconIndex_ = -1;
    std::map<std::u16string, std::int32_t, std::less<>> byExtension_;
};

// A source without pictures: every row gets index 0 (folders 1). For the core's
// own uses and tests.
class PlainIconSource : public IconSource {
  public:
    std::int32_t IconIndexFor(std::u16string_view, bool isFolder) override {
        return isFolder ? 1 : 0;
    }
};

}  // namespace morvalent::filelist
