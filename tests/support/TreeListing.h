#pragma once

#include <filesystem>
#include <string>

namespace morvalent::testing {

// Every item beneath the folder, sorted: "name=bytes" for files, "name/" for
// folders, with '/' between the parts of a relative name.
std::string Listing(const std::filesystem::path& root);

}  // namespace morvalent::testing
