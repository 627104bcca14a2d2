#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The parts of TempDir that differ between systems.
namespace morvalent::testing::native {

// A new, empty folder of its own under the system's temporary folder.
std::filesystem::path MakeFreshFolder();
// A path as the program writes paths (UTF-16).
std::u16string PathText(const std::filesystem::path& path);
// A relative path written in UTF-8, as the system's path.
std::filesystem::path PathFromUtf8(std::string_view utf8);

}  // namespace morvalent::testing::native
