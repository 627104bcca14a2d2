// Builds without Exiv2 (the Windows build) read no photo dates.
#include "platform/PhotoDate.h"

namespace morvalent::platform {

bool CanReadDateTaken() { return false; }

std::optional<DateTimeFields> ReadDateTaken(std::u16string_view) { return std::nullopt; }

}  // namespace morvalent::platform
