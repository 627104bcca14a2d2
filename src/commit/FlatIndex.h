#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace morvalent::commit {

// Numbers (row or name indexes) found by a hash of their key, in one flat array:
// searching many rows costs one probe each and no allocation. Keys are compared
// through `equal(value)` only where the stored hash's upper half matches.
class FlatIndex {
  public:
    // Empties the index, with room for `count` values.
    void Reset(std::size_t count) {
        const std::size_t size = std::bit_ceil(count * 2 + 2);
        slots_.assign(size, 0);
        mask_ = size - 1;
    }

    // The value already stored under an equal key; otherwise stores `value`.
    template <typename Equal>
    std::optional<std::uint32_t> Insert(std::uint64_t hash, std::uint32_t value, Equal equal) {
        const std::uint64_t tag = hash & 0xFFFFFFFF00000000u;
        for (std::size_t at = std::size_t(hash) & mask_;; at = (at + 1) & mask_) {
            const std::uint64_t slot = slots_[at];
            if (slot == 0) {
                slots_[at] = tag | (std::uint64_t(value) + 1);
                return std::nullopt;
            }
            const auto stored = std::uint32_t(slot - 1);
            if ((slot & 0xFFFFFFFF00000000u) == tag && equal(stored)) return stored;
        }
    }

    template <typename Equal>
    std::optional<std::uint32_t> Find(std::uint64_t hash, Equal equal) const {
        const std::uint64_t tag = hash & 0xFFFFFFFF00000000u;
        for (std::size_t at = std::size_t(hash) & mask_;; at = (at + 1) & mask_) {
            const std::uint64_t slot = slots_[at];
            if (slot == 0) return std::nullopt;
            const auto stored = std::uint32_t(slot - 1);
            if ((slot & 0xFFFFFFFF00000000u) == tag && equal(stored)) return stored;
        }
    }

  private:
    std::vector<std::uint64_t> slots_;
    std::size_t mask_ = 0;
};

}  // namespace morvalent::commit
