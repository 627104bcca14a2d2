#pragma once

#include <cstddef>
#include <string>

#include "filelist/FileList.h"

namespace morvalent::filelist {

// One edit's new names, in one batch, each stored as soon as it is made, while
// the row is still in the cache: copied into the room the row's string has where
// it fits. Unless `Keep` is called, the end puts every replaced name back, so an
// edit that fails or is refused part way leaves the rows as they were. Putting
// back never allocates: the replaced names wait in one buffer (one copy of the
// text, the least memory a way back can take), and a row's room never shrinks.
class NameRewrite {
  public:
    explicit NameRewrite(FileList& list);
    ~NameRewrite();
    NameRewrite(const NameRewrite&) = delete;
    NameRewrite& operator=(const NameRewrite&) = delete;

    void Set(std::size_t row, std::u16string name);
    void Keep() noexcept;

  private:
    FileList& list_;
    FileList::Batch batch_;
    // The replaced names, each followed by its length and row number.
    std::u16string log_;
    bool kept_ = false;
};

}  // namespace morvalent::filelist
