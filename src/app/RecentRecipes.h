#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace morvalent::app {

// The recipes run or saved last, newest first, kept in a file of the program's
// state folder so the next run offers them too.
class RecentRecipes {
  public:
    static constexpr std::size_t kMostKept = 5;

    // Reads the list kept in `stateFolder`; without a folder the list lives only
    // as long as the program.
    explicit RecentRecipes(std::optional<std::u16string> stateFolder = std::nullopt);

    const std::vector<std::u16string>& Paths() const { return paths_; }
    // Puts the recipe first (once) and keeps the list; false when it could not
    // be written down.
    bool Add(const std::u16string& path);

  private:
    std::u16string folder_;
    std::optional<std::u16string> file_;
    std::vector<std::u16string> paths_;
};

}  // namespace morvalent::app
