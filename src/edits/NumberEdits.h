#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvalent::edits {

// No file name is longer than this, so a wider number can only be a typing slip.
inline constexpr std::int32_t kMaxDigitWidth = 255;

// The message for a count of digits below 1 or above kMaxDigitWidth, or nothing.
std::optional<std::u16string_view> WidthError(std::int32_t width);

// The name part with every code unit but '0'-'9' removed, then the extension.
std::u16string KeepDigitsOnly(std::u16string_view text, bool isFolder);

// Which digit run of the name part PadDigits fills up.
enum class DigitRun { Last, First };

// Zeros in front of the chosen digit run until it has `width` digits; a longer
// run is never cut, a name part without digits is kept.
std::u16string PadDigits(std::u16string_view text, bool isFolder, DigitRun run, std::int32_t width);

// The counter in decimal with zeros in front up to `width` digits (never cut).
std::u16string NumberText(std::int64_t counter, std::int32_t width);

// Name part and number (behind it or in front of it), then the extension.
std::u16string AddNumber(std::u16string_view text, bool isFolder, std::u16string_view number,
                         bool inFront);

// The running number of the rows, top to bottom. Per folder, it starts again
// whenever a row's folder text differs (ASCII case folded) from the row above.
class RowCounter {
  public:
    // A start below 0 counts from 0.
    RowCounter(std::int32_t start, bool perFolder);
    // The number for the next row, whose folder text is given.
    std::int64_t Next(std::u16string_view folderText);

  private:
    std::int64_t start_;
    std::int64_t counter_;
    bool perFolder_;
    bool first_ = true;
    std::u16string previousFolder_;
};

}  // namespace morvalent::edits
