#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace morvalent::filelist {

// Kinds of change that look like no change on screen; bits of NameChange::unseen.
enum UnseenChange : std::uint8_t {
    kUnseenNormalization = 1,  // the same text in another Unicode normal form (NFD, NFC)
    kUnseenWidth = 2,          // full-width letters or digits for their usual forms
    kUnseenEdgeSpaces = 4,     // white space added or taken away at either end
};

// How a new name differs from the current one, for showing the change.
struct NameChange {
    bool changed = false;
    // The part of the new name that differs: units [first, last). Empty (first ==
    // last) where only a deletion happened, at the place of it. Never splits a
    // surrogate pair or a letter from the marks (or Hangul jamo) that follow it.
    std::size_t first = 0;
    std::size_t last = 0;
    // UnseenChange bits when the names differ but render (nearly) alike; 0 otherwise.
    std::uint8_t unseen = 0;
};

NameChange CompareNames(std::u16string_view current, std::u16string_view next);

}  // namespace morvalent::filelist
