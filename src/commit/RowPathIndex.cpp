#include "commit/RowPathIndex.h"

#include "platform/Path.h"

namespace morvalent::commit {

void RowPathIndex::Build(const filelist::FileList& list) {
    rows_.clear();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        rows_.emplace(platform::PathIdentityKey(list.Entry(i).path), i);
    }
    built_ = true;
}

void RowPathIndex::Build(const std::vector<std::u16string>& paths) {
    rows_.clear();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        rows_.emplace(platform::PathIdentityKey(paths[i]), i);
    }
    built_ = true;
}

void RowPathIndex::Repoint(std::size_t row, std::u16string_view from, std::u16string_view to) {
    auto [first, last] = rows_.equal_range(platform::PathIdentityKey(from));
    for (auto it = first; it != last; ++it) {
        if (it->second != row) continue;
        auto node = rows_.extract(it);
        node.key() = platform::PathIdentityKey(to);
        rows_.insert(std::move(node));
        return;
    }
}

std::vector<std::size_t> RowPathIndex::MoveBeneath(std::u16string_view from,
                                                   std::u16string_view to) {
    std::u16string prefix = platform::PathIdentityKey(from);
    prefix.push_back(platform::kPathSeparator);
    std::u16string newPrefix = platform::PathIdentityKey(to);
    newPrefix.push_back(platform::kPathSeparator);
    std::vector<decltype(rows_)::node_type> moved;
    for (auto it = rows_.lower_bound(prefix); it != rows_.end() && it->first.starts_with(prefix);) {
        moved.push_back(rows_.extract(it++));
    }
    std::vector<std::size_t> result;
    result.reserve(moved.size());
    for (auto& node : moved) {
        node.key() = newPrefix + node.key().substr(prefix.size());
        result.push_back(node.mapped());
        rows_.insert(std::move(node));
    }
    return result;
}

}  // namespace morvalent::commit
