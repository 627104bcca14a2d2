#include "commit/Conflicts.h"

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "commit/FlatIndex.h"
#include "commit/TargetCheck.h"
#include "filelist/NameParts.h"
#include "platform/NameRules.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::commit {
namespace {

using Folder = std::uint32_t;

// A row's target as the folder it lies in (one number per distinct text) and the
// name in it. Texts are views of the rows or of targets built by the search.
struct Target {
    Folder folder = 0;
    std::u16string_view name;
    std::uint64_t hash = 0;  // FoldedHash(name)
};

// A name's hash and its folder's number, as one hash.
std::uint64_t WithFolder(std::uint64_t hash, Folder folder) {
    return hash ^ ((std::uint64_t(folder) + 1) * 0xC2B2AE3D27D4EB4Fu);
}

std::u16string_view FolderView(const filelist::Row& row) {
    return row.hasFolderOverride ? std::u16string_view(row.folderOverride)
                                 : filelist::FolderPartView(row.entry.path);
}

// Whether `folder`, separator, `name` spells `path` exactly: the row the commit skips.
bool SpellsPath(std::u16string_view folder, std::u16string_view name, std::u16string_view path) {
    return path.size() == folder.size() + 1 + name.size() &&
           path[folder.size()] == platform::kPathSeparator && path.ends_with(name) &&
           path.starts_with(folder);
}

// Whether the target lies inside the folder at `path`: no folder can go there.
bool IsInside(std::u16string_view folder, std::u16string_view name, std::u16string_view path) {
    if (folder.size() + 1 + name.size() <= path.size() + 1) return false;
    const std::u16string key = platform::PathIdentityKey(BuildTarget(folder, name));
    const std::u16string pathKey = platform::PathIdentityKey(path);
    return key.starts_with(pathKey) && key[pathKey.size()] == platform::kPathSeparator;
}

std::size_t LastSeparator(std::u16string_view text) {
    for (std::size_t i = text.size(); i > 0; --i) {
        if (platform::IsPathSeparator(text[i - 1])) return i - 1;
    }
    return std::u16string_view::npos;
}

Conflict FromFault(platform::NameFault fault) {
    switch (fault) {
        case platform::NameFault::TooLong:
            return Conflict::TooLong;
        case platform::NameFault::Forbidden:
            return Conflict::Invalid;
        case platform::NameFault::None:
            break;
    }
    return Conflict::None;
}

// The distinct folder texts of one search, numbered; the numbers of their A-Z
// folded forms; and, once asked, what the disk holds in each.
class FolderTable {
  public:
    explicit FolderTable(FolderNames& disk) : disk_(disk) {}

    Folder Number(std::u16string_view text) {
        // Rows of one folder usually follow each other.
        if (!texts_.empty() && text == texts_[last_]) return last_;
        const auto [at, inserted] = numbers_.try_emplace(text, Folder(texts_.size()));
        if (inserted) {
            texts_.push_back(text);
            folded_.push_back(
                foldedNumbers_.try_emplace(platform::FoldAscii(text), Folder(foldedNumbers_.size()))
                    .first->second);
            listings_.push_back(nullptr);
        }
        last_ = at->second;
        return last_;
    }
    Folder Folded(Folder folder) const { return folded_[folder]; }

    std::u16string_view Text(Folder folder) const { return texts_[folder]; }
    std::size_t Count() const { return texts_.size(); }

    const FolderNames::Listing& Listing(Folder folder) {
        if (listings_[folder] == nullptr) listings_[folder] = &disk_.Folder(texts_[folder]);
        return *listings_[folder];
    }

  private:
    FolderNames& disk_;
    std::unordered_map<std::u16string_view, Folder> numbers_;
    std::unordered_map<std::u16string, Folder> foldedNumbers_;
    std::vector<std::u16string_view> texts_;
    std::vector<Folder> folded_;
    std::vector<const FolderNames::Listing*> listings_;
    Folder last_ = 0;
};

constexpr std::size_t kNoRow = SIZE_MAX;

// A place on disk: a folder and a name under the file system's naming rule.
struct Place {
    Folder folder;
    std::u16string_view key;
    std::uint64_t keyHash;  // FoldedHash(key)

    std::uint64_t Hash() const { return WithFolder(keyHash, folder); }
    bool operator==(const Place& other) const { return folder == other.folder && key == other.key; }
};

}  // namespace

struct ConflictFinder::Work {
    std::vector<Conflict> marks;
    std::vector<Target> targets;
    std::vector<std::uint8_t> unchanged;
    // Rows with a name, by the folded folder of their targets: where each
    // folder's rows begin in `grouped` (first its row count).
    std::vector<std::size_t> groupStart;
    std::vector<std::uint32_t> grouped;
    // Rows whose items the commit would move out of their places.
    std::vector<std::uint8_t> moved;
    FlatIndex firstRow;
    std::vector<Place> sources;
    FlatIndex sourceIndex;
    // Where each moved row's item went.
    std::vector<Place> movedTo;
    // The places rows moved into, once `tracking`.
    bool tracking = false;
    std::vector<Place> taken;
    FlatIndex takenIndex;
    // For folders not on disk: the rows that rename a folder to it or above it.
    std::vector<std::optional<std::vector<std::size_t>>> makers;
    // The folder rows that may make folders, by their whole targets, in row order;
    // indexed at the first folder not on disk, so each such folder costs a look-up
    // per level of its path rather than a pass over the rows.
    bool makersIndexed = false;
    std::unordered_map<std::u16string, std::vector<std::size_t>> makersByTarget;
    // Targets of new names that reach into a subfolder, split anew at their last
    // separator; and name keys where the disk's key is not the name itself.
    std::deque<std::u16string> texts;

    void Search(const filelist::FileList& list, FolderTable& folders,
                const ConflictFinder::NewNames& newName);
    void FindDuplicates(const FolderTable& folders);
    void Replay(const filelist::FileList& list, FolderTable& folders);
    Place PlaceOf(Folder folder, std::u16string_view name, std::uint64_t nameHash);
    Place Source(const filelist::FileList& list, FolderTable& folders, std::size_t row);
    bool Taken(const filelist::FileList& list, FolderTable& folders, const Place& to,
               std::size_t row);
    void Track(std::size_t row);
    void Take(const Place& place);
    std::optional<Folder> Resolve(const filelist::FileList& list, FolderTable& folders,
                                  Folder folder, std::size_t row, int depth = 0);
    std::vector<std::size_t> FindMakers(const filelist::FileList& list, const FolderTable& folders,
                                        Folder folder);
};

ConflictFinder::ConflictFinder() : work_(std::make_unique<Work>()) {}
ConflictFinder::~ConflictFinder() = default;

const std::vector<Conflict>& ConflictFinder::Find(const filelist::FileList& list, FolderNames& disk,
                                                  const NewNames& newName) {
    FolderTable folders(disk);
    work_->texts.clear();
    work_->Search(list, folders, newName);
    work_->Replay(list, folders);
    // Only the marks stay: a long list would otherwise keep a second set of per-row
    // tables between edits (about 40 bytes a row), and making them anew measured
    // no slower.
    auto done = std::make_unique<Work>();
    done->marks = std::move(work_->marks);
    work_ = std::move(done);
    return work_->marks;
}

// Empty names, names the system refuses, and targets equal under the commit's rule.
void ConflictFinder::Work::Search(const filelist::FileList& list, FolderTable& folders,
                                  const ConflictFinder::NewNames& newName) {
    const std::size_t count = list.Count();
    marks.assign(count, Conflict::None);
    targets.resize(count);
    unchanged.assign(count, 0);
    groupStart.clear();
    for (std::size_t i = 0; i < count; ++i) {
        const filelist::Row& row = list.At(i);
        const std::u16string_view name = newName ? newName(i) : std::u16string_view(row.newName);
        if (name.empty()) {
            marks[i] = Conflict::EmptyName;
            continue;
        }
        const std::u16string_view folder = FolderView(row);
        std::u16string_view targetFolder = folder;
        std::u16string_view targetName = name;
        if (LastSeparator(name) != std::u16string_view::npos) {
            const std::u16string_view whole = texts.emplace_back(BuildTarget(folder, name));
            const std::size_t at = LastSeparator(whole);
            targetFolder = whole.substr(0, at);
            targetName = whole.substr(at + 1);
        }
        marks[i] = FromFault(platform::CheckTargetName(folder, name));
        if (row.entry.isFolder && marks[i] == Conflict::None &&
            IsInside(folder, name, row.entry.path)) {
            marks[i] = Conflict::Invalid;
        }
        unchanged[i] = SpellsPath(folder, name, row.entry.path);
        Target& target = targets[i];
        target = {folders.Number(targetFolder), targetName, FoldedHash(targetName)};
        const Folder folded = folders.Folded(target.folder);
        if (folded >= groupStart.size()) groupStart.resize(folded + 1, 0);
        ++groupStart[folded];
    }
    FindDuplicates(folders);
}

// Only targets in one folder (folded) can be equal: each folder's rows are
// searched by themselves, in a table small enough to stay in the cache.
void ConflictFinder::Work::FindDuplicates(const FolderTable& folders) {
    const std::size_t count = marks.size();
    std::size_t start = 0;
    for (std::size_t& size : groupStart) start += std::exchange(size, start);
    grouped.resize(start);
    std::vector<std::size_t> next = groupStart;
    for (std::size_t i = 0; i < count; ++i) {
        if (marks[i] != Conflict::EmptyName)
            grouped[next[folders.Folded(targets[i].folder)]++] = std::uint32_t(i);
    }
    for (std::size_t g = 0; g < groupStart.size(); ++g) {
        const std::size_t first = groupStart[g];
        const std::size_t last = g + 1 < groupStart.size() ? groupStart[g + 1] : grouped.size();
        firstRow.Reset(last - first);
        for (std::size_t k = first; k < last; ++k) {
            const std::uint32_t i = grouped[k];
            const Target& target = targets[i];
            const auto earlier = firstRow.Insert(target.hash, i, [&](std::uint32_t other) {
                return platform::EqualsAsciiNoCase(targets[other].name, target.name);
            });
            if (earlier) {
                marks[i] = Conflict::Duplicate;
                marks[*earlier] = Conflict::Duplicate;
            }
        }
    }
}

// The commit's order, replayed on names: which rows would find their target taken.
void ConflictFinder::Work::Replay(const filelist::FileList& list, FolderTable& folders) {
    const std::size_t count = list.Count();
    moved.assign(count, 0);
    movedTo.resize(count);
    sources.clear();
    makers.clear();
    makersIndexed = false;
    makersByTarget.clear();
    taken.clear();
    // Where names ignore case, two targets the commit holds different can be one
    // place; so can a target in a folder made by an earlier row and one in that
    // folder's old place. Elsewhere, and until then, equal places are duplicates.
    tracking = platform::kNamesIgnoreCase;
    if (tracking) takenIndex.Reset(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (marks[i] != Conflict::None || unchanged[i]) continue;
        const Target& target = targets[i];
        const auto folder = Resolve(list, folders, target.folder, i);
        if (!folder) {
            marks[i] = Conflict::NoFolder;
            continue;
        }
        if (*folder != target.folder && !tracking) Track(i);
        const Place to = PlaceOf(*folder, target.name, target.hash);
        if constexpr (platform::kNamesIgnoreCase) {
            // A change of letter case only: the item keeps its own place.
            const Place from = Source(list, folders, i);
            if (from == to) continue;
        }
        if (Taken(list, folders, to, i)) {
            marks[i] = Conflict::Exists;
            continue;
        }
        moved[i] = 1;
        movedTo[i] = to;
        if (tracking) Take(to);
    }
}

// From now on every place a row moves into is kept, the earlier ones first.
void ConflictFinder::Work::Track(std::size_t row) {
    tracking = true;
    takenIndex.Reset(moved.size());
    for (std::size_t j = 0; j < row; ++j) {
        if (moved[j]) Take(movedTo[j]);
    }
}

void ConflictFinder::Work::Take(const Place& place) {
    taken.push_back(place);
    takenIndex.Insert(place.Hash(), std::uint32_t(taken.size() - 1),
                      [](std::uint32_t) { return false; });
}

Place ConflictFinder::Work::PlaceOf(Folder folder, std::u16string_view name,
                                    std::uint64_t nameHash) {
    if constexpr (!platform::kNamesIgnoreCase) return {folder, name, nameHash};
    const std::u16string_view key = texts.emplace_back(platform::NameOnDiskKey(name));
    return {folder, key, FoldedHash(key)};
}

Place ConflictFinder::Work::Source(const filelist::FileList& list, FolderTable& folders,
                                   std::size_t row) {
    const std::u16string& path = list.Entry(row).path;
    const std::u16string_view name = filelist::NamePartView(path, true);
    return PlaceOf(folders.Number(filelist::FolderPartView(path)), name, FoldedHash(name));
}

bool ConflictFinder::Work::Taken(const filelist::FileList& list, FolderTable& folders,
                                 const Place& to, std::size_t row) {
    if (tracking && takenIndex.Find(to.Hash(), [&](std::uint32_t i) { return taken[i] == to; })) {
        return true;
    }
    const NameTable* names = folders.Listing(to.folder).names.get();
    // A folder that cannot be read: the commit will tell.
    if (names == nullptr || !names->Contains(to.key, to.keyHash)) return false;
    // Something is there; free only if it is a row's item that an earlier row moved away.
    if (sources.empty()) {
        sources.reserve(list.Count());
        sourceIndex.Reset(list.Count());
        for (std::size_t i = 0; i < list.Count(); ++i) {
            const Place& source = sources.emplace_back(Source(list, folders, i));
            // The first row of a path answers for it.
            sourceIndex.Insert(source.Hash(), std::uint32_t(i),
                               [&](std::uint32_t other) { return sources[other] == source; });
        }
    }
    const auto at = sourceIndex.Find(to.Hash(), [&](std::uint32_t i) { return sources[i] == to; });
    return !at || *at >= row || !moved[*at];
}

// A folder that is not on disk can still be there at a row's turn: an earlier
// row renamed a folder to it (or to a folder above it). Then it is that folder's
// old place, seen in the listing read before the commit; nothing when it is not
// there at all.
std::optional<Folder> ConflictFinder::Work::Resolve(const filelist::FileList& list,
                                                    FolderTable& folders, Folder folder,
                                                    std::size_t row, int depth) {
    if (!folders.Listing(folder).missing) return folder;
    if (makers.size() < folders.Count()) makers.resize(folders.Count());
    if (!makers[folder]) makers[folder] = FindMakers(list, folders, folder);
    const std::vector<std::size_t>& candidates = *makers[folder];
    std::size_t maker = kNoRow;
    for (std::size_t j : candidates) {
        if (j >= row) break;
        if (moved[j]) {
            maker = j;
            break;
        }
    }
    if (maker == kNoRow || depth > 8) return std::nullopt;
    const Target& made = targets[maker];
    const std::size_t madeSize = folders.Text(made.folder).size() + 1 + made.name.size();
    const std::u16string& source = list.Entry(maker).path;
    const std::u16string_view old =
        texts.emplace_back(source + std::u16string(folders.Text(folder).substr(madeSize)));
    return Resolve(list, folders, folders.Number(old), row, depth + 1);
}

// The folder rows, in row order, whose targets spelled whole are the folder or one
// above it. Rows marked or unchanged never move, so leaving them out of the index
// changes nothing.
std::vector<std::size_t> ConflictFinder::Work::FindMakers(const filelist::FileList& list,
                                                          const FolderTable& folders,
                                                          Folder folder) {
    if (!makersIndexed) {
        makersIndexed = true;
        for (std::size_t j = 0; j < list.Count(); ++j) {
            if (!list.Entry(j).isFolder || marks[j] != Conflict::None || unchanged[j]) continue;
            const Target& t = targets[j];
            std::u16string whole(folders.Text(t.folder));
            whole += platform::kPathSeparator;
            whole += t.name;
            makersByTarget[std::move(whole)].push_back(j);
        }
    }
    std::vector<std::size_t> rows;
    if (makersByTarget.empty()) return rows;
    const std::u16string_view text = folders.Text(folder);
    std::u16string prefix;
    for (std::size_t end = 1; end <= text.size(); ++end) {
        if (end < text.size() && !platform::IsPathSeparator(text[end])) continue;
        prefix.assign(text.substr(0, end));
        const auto found = makersByTarget.find(prefix);
        if (found != makersByTarget.end()) {
            rows.insert(rows.end(), found->second.begin(), found->second.end());
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<Conflict> FindConflicts(const filelist::FileList& list, FolderNames& disk) {
    ConflictFinder finder;
    return finder.Find(list, disk);
}

}  // namespace morvalent::commit
