#include "support/TreeListing.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace morvalent::testing {

std::string Listing(const std::filesystem::path& root) {
    std::vector<std::string> lines;
    for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
        const std::string rel = std::filesystem::relative(item.path(), root).generic_string();
        if (item.is_directory()) {
            lines.push_back(rel + "/");
        } else {
            std::ifstream in(item.path(), std::ios::binary);
            lines.push_back(
                rel + "=" +
                std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
        }
    }
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

}  // namespace morvalent::testing
