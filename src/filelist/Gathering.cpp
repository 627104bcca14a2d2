#include "filelist/Gathering.h"

#include <algorithm>
#include <numeric>

#include "filelist/Permute.h"
#include "platform/Collation.h"
#include "platform/Path.h"

namespace morvalent::filelist {

using platform::kPathSeparator;

Gatherer::Gatherer(FileList& list, platform::FileSystem& fs, FolderQuestion& question,
                   FolderChoice& folderChoice)
    : list_(list), fs_(fs), question_(question), folderChoice_(folderChoice) {}

bool Gatherer::IsListed(std::u16string_view path) {
    // The rows listed before the batch; pending entries are not compared.
    if (!listedReady_) {
        listed_.reserve(list_.Count());
        for (std::size_t i = 0; i < list_.Count(); ++i) {
            listed_.insert(platform::PathIdentityKey(list_.Entry(i).path));
        }
        listedReady_ = true;
    }
    // Nothing to compare with (a first batch): no key made for the path.
    return !listed_.empty() && listed_.count(platform::PathIdentityKey(path)) != 0;
}

void Gatherer::AddCandidate(PendingEntries& pending, std::u16string_view path) {
    if (path.empty() || IsListed(path)) return;
    const auto isFolder = fs_.IsFolder(path);
    if (!isFolder) {
        ++unreadable_;
        return;
    }
    AddPath(pending, path, *isFolder);
}

void Gatherer::AddPath(PendingEntries& pending, std::u16string_view path, bool isFolder) {
    if (isFolder) {
        if (folderChoice_.answer == FolderAnswer::NotAsked) {
            folderChoice_.answer = question_.AddFolderItself(std::u16string(path))
                                       ? FolderAnswer::FolderItself
                                       : FolderAnswer::Contents;
        }
        if (folderChoice_.answer == FolderAnswer::Contents) {
            WalkFolder(pending, path);
            return;
        }
    }
    const auto info = fs_.ReadInfo(path);
    if (!info) {
        ++unreadable_;
        return;
    }
    FileEntry entry;
    entry.path.assign(path);
    entry.isFolder = isFolder;
    entry.creationTime = info->creationTime;
    entry.lastWriteTime = info->lastWriteTime;
    entry.size = info->size;
    pending.push_back(std::move(entry));
    Gathered();
}

void Gatherer::Gathered() {
    if (progress_ && ++sinceProgress_ >= 4096) {
        sinceProgress_ = 0;
        progress_();
    }
}

void Gatherer::WalkFolder(PendingEntries& pending, std::u16string_view folder) {
    std::vector<platform::FolderItem> items;
    const auto stamp = fs_.ReadFolderStamp(folder);
    if (!fs_.ListFolder(folder, items)) {
        ++unreadable_;
        return;
    }
    // Unreadable entries are named too: their names are taken on disk all the same.
    if (listedFolder_) listedFolder_(folder, stamp, items);
    for (platform::FolderItem& item : items) {
        if (item.unreadable) {
            ++unreadable_;
            continue;
        }
        // Contents are files: a link to a folder is a folder not followed, no row.
        if (item.linksToFolder) continue;
        std::u16string full = JoinPath(folder, item.name);
        if (item.isFolder) {
            // The answer is Contents here, so this walks the subfolder as well.
            AddPath(pending, full, true);
            continue;
        }
        FileEntry entry;
        entry.path = std::move(full);
        entry.creationTime = item.info.creationTime;
        entry.lastWriteTime = item.info.lastWriteTime;
        entry.size = item.info.size;
        if (stamp) entry.fileNumber = item.fileNumber;
        pending.push_back(std::move(entry));
        Gathered();
    }
}

void Gatherer::AppendPendingRows(PendingEntries& pending) {
    SortPendingEntries(pending);
    {
        list_.Reserve(list_.Count() + pending.size());
        FileList::Batch batch(list_);
        while (!pending.empty()) {
            list_.InsertEntryRow(std::move(pending.front()));
            pending.pop_front();
        }
    }
    PendingEntries().swap(pending);
}

void SortPendingEntries(PendingEntries& pending) {
    if (pending.size() < 2) return;
    const auto& collator = platform::DefaultCollator();
    // All keys in one buffer: one allocation instead of one per entry.
    std::string keys;
    std::vector<std::pair<std::size_t, std::size_t>> spans(pending.size());
    for (std::size_t i = 0; i < pending.size(); ++i) {
        const std::size_t start = keys.size();
        collator.AppendSortKey(pending[i].path, keys);
        spans[i] = {start, keys.size() - start};
    }
    std::vector<std::size_t> order(pending.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        std::string_view ka(keys.data() + spans[a].first, spans[a].second);
        std::string_view kb(keys.data() + spans[b].first, spans[b].second);
        const int c = ka.compare(kb);
        if (c != 0) return c < 0;
        return a > b;  // a later entry goes before equal earlier ones
    });
    // The keys go before the entries move, so the two never take room together.
    std::string().swap(keys);
    std::vector<std::pair<std::size_t, std::size_t>>().swap(spans);
    PermuteInPlace(pending, order, [](std::size_t, std::size_t) {});
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string full;
    full.reserve(folder.size() + 1 + name.size());
    full = folder;
    // An empty folder part stays empty: it is never taken for the root.
    if (!full.empty() && full.back() != kPathSeparator) full.push_back(kPathSeparator);
    full += name;
    return full;
}

}  // namespace morvalent::filelist
