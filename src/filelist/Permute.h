#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace morvalent::filelist {

// Puts items[order[i]] at place i for every i, in place, one cycle of the
// permutation at a time: a million rows are moved without a second million to
// fault in. `placed(from, to)` is told where each item went. `order` must be a
// permutation of 0..size-1.
template <class Items, class Placed>
void PermuteInPlace(Items& items, const std::vector<std::size_t>& order, Placed placed) {
    std::vector<bool> done(order.size(), false);
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (done[start]) continue;
        done[start] = true;
        placed(order[start], start);
        if (order[start] == start) continue;
        auto held = std::move(items[start]);
        std::size_t at = start;
        for (std::size_t from = order[at]; from != start; from = order[at]) {
            items[at] = std::move(items[from]);
            at = from;
            done[at] = true;
            placed(order[at], at);
        }
        items[at] = std::move(held);
    }
}

}  // namespace morvalent::filelist
