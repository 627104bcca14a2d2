#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace morvalent::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder as the program writes paths (UTF-16).
    std::u16string Text() const;
    // folder + separator + relative (relative written with '/').
    std::u16string Join(std::u16string_view relative) const;

    // Creates a file (and its parent folders) with the given bytes.
    void WriteFile(std::string_view relative, std::string_view bytes = {}) const;
    void MakeFolder(std::string_view relative) const;
    bool Exists(std::string_view relative) const;
    std::string ReadFile(std::string_view relative) const;

  private:
    std::filesystem::path path_;
};

// A path written with '/' in the system's form ("/a/b" becomes \a\b on Windows).
std::u16string NativePath(std::u16string_view slashed);

// UTF-8 text to UTF-16 (test literals are UTF-8).
std::u16string U16(std::string_view utf8);
std::string U8(std::u16string_view text);

}  // namespace morvalent::testing
