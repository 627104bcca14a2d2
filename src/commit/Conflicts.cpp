#include "commit/Conflicts.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <queue>
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

// The distinct folder texts of the search, numbered; the numbers of their A-Z
// folded forms; and, once asked, what the disk holds in each. It owns its texts,
// so it can outlive the rows' texts from one search to the next.
class FolderTable {
  public:
    explicit FolderTable(FolderNames& disk) : disk_(disk), generation_(disk.Generation()) {}

    // Whether the listings read are still `disk`'s.
    bool Reads(const FolderNames& disk) const {
        return &disk == &disk_ && disk.Generation() == generation_;
    }

    Folder Number(std::u16string_view text) {
        // Rows of one folder usually follow each other.
        if (!texts_.empty() && text == texts_[last_]) return last_;
        const auto found = numbers_.find(text);
        if (found != numbers_.end()) {
            last_ = found->second;
            return last_;
        }
        const auto number = Folder(texts_.size());
        const std::u16string_view owned = texts_.emplace_back(text);
        numbers_.emplace(owned, number);
        folded_.push_back(
            foldedNumbers_.try_emplace(platform::FoldAscii(owned), Folder(foldedNumbers_.size()))
                .first->second);
        listings_.push_back(nullptr);
        last_ = number;
        return last_;
    }
    Folder Folded(Folder folder) const { return folded_[folder]; }
    std::size_t FoldedCount() const { return foldedNumbers_.size(); }

    std::u16string_view Text(Folder folder) const { return texts_[folder]; }
    std::size_t Count() const { return texts_.size(); }

    const FolderNames::Listing& Listing(Folder folder) {
        if (listings_[folder] == nullptr) listings_[folder] = &disk_.Folder(texts_[folder]);
        return *listings_[folder];
    }
    // Whether the folder's file system refuses what Windows refuses.
    bool HasWindowsRules(Folder folder) {
        if (folder >= rules_.size()) rules_.resize(texts_.size(), kUnknownRules);
        if (rules_[folder] == kUnknownRules) {
            rules_[folder] = disk_.Rules(texts_[folder]) == platform::NameRuleSet::Windows;
        }
        return rules_[folder] != 0;
    }

  private:
    FolderNames& disk_;
    std::uint64_t generation_;
    std::unordered_map<std::u16string_view, Folder> numbers_;
    std::unordered_map<std::u16string, Folder> foldedNumbers_;
    std::deque<std::u16string> texts_;
    std::vector<Folder> folded_;
    std::vector<const FolderNames::Listing*> listings_;
    static constexpr std::uint8_t kUnknownRules = 2;
    std::vector<std::uint8_t> rules_;
    Folder last_ = 0;
};

constexpr std::size_t kNoRow = SIZE_MAX;

// Each row's texts lie elsewhere on the heap, and waiting for them to come from
// memory is most of a search's time: they are asked for this many rows ahead.
constexpr std::size_t kAhead = 8;

void AskAhead(const filelist::Row& row) {
    __builtin_prefetch(row.newName.data());
    const std::u16string& path = row.entry.path;
    __builtin_prefetch(path.data());
    if (!path.empty()) __builtin_prefetch(path.data() + path.size() - 1);
    if (row.hasFolderOverride) __builtin_prefetch(row.folderOverride.data());
}

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
    // Kept from one search to the next while `kept`: the tables below describe
    // `list`'s rows as they were then.
    bool kept = false;
    const filelist::FileList* list = nullptr;
    std::unique_ptr<FolderTable> folders;
    std::vector<Conflict> marks;
    // Each row's mark from its name alone (empty, refused, too long), and with
    // duplicates: what the replay starts from.
    std::vector<Conflict> ruleMarks;
    std::vector<Conflict> searchMarks;
    std::vector<Target> targets;
    std::vector<std::uint8_t> unchanged;
    // Rows with a name, by the folded folder of their targets: where each
    // folder's rows begin in `grouped` (first its row count), in row order.
    std::vector<std::size_t> groupStart;
    std::vector<std::uint32_t> grouped;
    // The hash of each grouped row's target name, kept current while the row's
    // target stays in that folder: a pass for a name reads only these.
    std::vector<std::uint64_t> groupedHash;
    // Rows whose targets moved into a folder after `grouped` was laid out.
    std::vector<std::vector<std::uint32_t>> joined;
    // Rows whose items the commit would move out of their places.
    std::vector<std::uint8_t> moved;
    FlatIndex firstRow;
    std::vector<Place> sources;
    FlatIndex sourceIndex;
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

    // One search again: rows waiting, in row order, and which are or were queued.
    std::vector<std::uint8_t> queued;
    std::vector<std::uint32_t> queuedRows;
    std::priority_queue<std::uint32_t, std::vector<std::uint32_t>, std::greater<>> pending;
    // Folded folders where targets came or went (by slot + 1), and the hashes of
    // those targets' names: only rows with these names can change as duplicates.
    std::vector<std::uint32_t> touched;
    std::vector<Folder> touchedGroups;
    std::vector<std::vector<std::uint64_t>> touchedNames;
    std::vector<std::uint32_t> members;
    std::vector<std::uint8_t> duplicate;
    // Per folded folder, its rows by the hash of their targets' places.
    struct PlaceIndex {
        int passes = 0;
        std::vector<std::pair<std::uint64_t, std::uint32_t>> rows;
    };
    std::unordered_map<Folder, PlaceIndex> byPlace;

    void Search(const filelist::FileList& list, const ConflictFinder::NewNames& newName);
    void SearchRow(const filelist::FileList& list, std::size_t i, std::u16string_view name);
    void FindDuplicates();
    void Replay(const filelist::FileList& list);
    bool ReplayRow(const filelist::FileList& list, std::size_t i, bool again);
    bool Again(const filelist::FileList& list, std::span<const std::uint32_t> changed);
    template <typename Keep>
    void Members(Folder group, Keep keepHash);
    void Join(std::uint32_t row, Folder group);
    void Touch(Folder group, std::uint64_t nameHash);
    void Queue(std::uint32_t row);
    void RecheckGroup(std::size_t slot);
    void QueueTargetsOf(const filelist::FileList& list, std::uint32_t row);
    Place PlaceOf(Folder folder, std::u16string_view name, std::uint64_t nameHash);
    Place Source(const filelist::FileList& list, std::size_t row);
    bool Taken(const filelist::FileList& list, const Place& to, std::size_t row);
    void Track(std::size_t row);
    void Take(const Place& place);
    std::optional<Folder> Resolve(const filelist::FileList& list, Folder folder, std::size_t row,
                                  int depth = 0);
    std::vector<std::size_t> FindMakers(const filelist::FileList& list, Folder folder);
};

ConflictFinder::ConflictFinder() : work_(std::make_unique<Work>()) {}
ConflictFinder::~ConflictFinder() = default;

const std::vector<Conflict>& ConflictFinder::Find(const filelist::FileList& list, FolderNames& disk,
                                                  const NewNames& newName) {
    work_->kept = false;
    work_->folders = std::make_unique<FolderTable>(disk);
    work_->texts.clear();
    work_->Search(list, newName);
    work_->Replay(list);
    if (!newName) {
        work_->kept = true;
        work_->list = &list;
        return work_->marks;
    }
    // Names an edit would make are gone after this: only the marks stay, and the
    // per-row tables (about 100 bytes a row) are not kept for a next search.
    auto done = std::make_unique<Work>();
    done->marks = std::move(work_->marks);
    work_ = std::move(done);
    return work_->marks;
}

const std::vector<Conflict>& ConflictFinder::FindAgain(const filelist::FileList& list,
                                                       FolderNames& disk,
                                                       std::span<const std::uint32_t> changed) {
    Work& work = *work_;
    const bool same = work.kept && work.list == &list && work.folders->Reads(disk) &&
                      work.marks.size() == list.Count();
    work.kept = false;
    if (same && work.Again(list, changed)) {
        work.kept = true;
        return work.marks;
    }
    return Find(list, disk);
}

void ConflictFinder::Forget() { work_ = std::make_unique<Work>(); }

// Empty names, names the system refuses, and targets equal under the commit's rule.
void ConflictFinder::Work::Search(const filelist::FileList& list,
                                  const ConflictFinder::NewNames& newName) {
    const std::size_t count = list.Count();
    marks.assign(count, Conflict::None);
    ruleMarks.assign(count, Conflict::None);
    targets.resize(count);
    unchanged.assign(count, 0);
    groupStart.clear();
    joined.clear();
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kAhead < count) AskAhead(list.At(i + kAhead));
        SearchRow(list, i, newName ? newName(i) : std::u16string_view(list.At(i).newName));
        if (ruleMarks[i] == Conflict::EmptyName) continue;
        const Folder folded = folders->Folded(targets[i].folder);
        if (folded >= groupStart.size()) groupStart.resize(folded + 1, 0);
        ++groupStart[folded];
    }
    FindDuplicates();
}

void ConflictFinder::Work::SearchRow(const filelist::FileList& list, std::size_t i,
                                     std::u16string_view name) {
    if (name.empty()) {
        ruleMarks[i] = marks[i] = Conflict::EmptyName;
        unchanged[i] = 0;
        return;
    }
    const filelist::Row& row = list.At(i);
    const std::u16string_view folder = FolderView(row);
    std::u16string_view targetFolder = folder;
    std::u16string_view targetName = name;
    if (LastSeparator(name) != std::u16string_view::npos) {
        const std::u16string_view whole = texts.emplace_back(BuildTarget(folder, name));
        const std::size_t at = LastSeparator(whole);
        targetFolder = whole.substr(0, at);
        targetName = whole.substr(at + 1);
    }
    Conflict mark = FromFault(platform::CheckTargetName(folder, name));
    if (row.entry.isFolder && mark == Conflict::None && IsInside(folder, name, row.entry.path)) {
        mark = Conflict::Invalid;
    }
    const Folder number = folders->Number(targetFolder);
    // A volume made for Windows refuses more than the system does (one FUSE driver
    // even loses the item on trying): the commit will not try those names.
    if (mark == Conflict::None && folders->HasWindowsRules(number) &&
        platform::BreaksWindowsNameRules(targetName)) {
        mark = Conflict::Invalid;
    }
    ruleMarks[i] = marks[i] = mark;
    unchanged[i] = SpellsPath(folder, name, row.entry.path);
    targets[i] = {number, targetName, FoldedHash(targetName)};
}

// Only targets in one folder (folded) can be equal: each folder's rows are
// searched by themselves, in a table small enough to stay in the cache.
void ConflictFinder::Work::FindDuplicates() {
    const std::size_t count = marks.size();
    std::size_t start = 0;
    for (std::size_t& size : groupStart) start += std::exchange(size, start);
    grouped.resize(start);
    groupedHash.resize(start);
    std::vector<std::size_t> next = groupStart;
    for (std::size_t i = 0; i < count; ++i) {
        if (marks[i] != Conflict::EmptyName) {
            const std::size_t k = next[folders->Folded(targets[i].folder)]++;
            grouped[k] = std::uint32_t(i);
            groupedHash[k] = targets[i].hash;
        }
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
    searchMarks = marks;
}

// The commit's order, replayed on names: which rows would find their target taken.
void ConflictFinder::Work::Replay(const filelist::FileList& list) {
    const std::size_t count = list.Count();
    moved.assign(count, 0);
    sources.clear();
    makers.clear();
    makersIndexed = false;
    makersByTarget.clear();
    taken.clear();
    queued.assign(count, 0);
    // Where names ignore case, two targets the commit holds different can be one
    // place; so can a target in a folder made by an earlier row and one in that
    // folder's old place. Elsewhere, and until then, equal places are duplicates.
    tracking = platform::kNamesIgnoreCase;
    if (tracking) takenIndex.Reset(count);
    for (std::size_t i = 0; i < count; ++i) ReplayRow(list, i, false);
}

// One row's turn in the commit, all earlier rows' outcomes known. False when
// searching `again` would need the places of every moved row kept from here on.
bool ConflictFinder::Work::ReplayRow(const filelist::FileList& list, std::size_t i, bool again) {
    marks[i] = searchMarks[i];
    moved[i] = 0;
    if (marks[i] != Conflict::None || unchanged[i]) return true;
    const Target& target = targets[i];
    const auto folder = Resolve(list, target.folder, i);
    if (!folder) {
        marks[i] = Conflict::NoFolder;
        return true;
    }
    if (*folder != target.folder && !tracking) {
        if (again) return false;
        Track(i);
    }
    const Place to = PlaceOf(*folder, target.name, target.hash);
    if constexpr (platform::kNamesIgnoreCase) {
        // A change of letter case only: the item keeps its own place.
        const Place from = Source(list, i);
        if (from == to) return true;
    }
    if (Taken(list, to, i)) {
        marks[i] = Conflict::Exists;
        return true;
    }
    moved[i] = 1;
    if (tracking) Take(to);
    return true;
}

// Row i's outcome depends on the rows before it only through: its target's
// folder (rows that make folders: folder rows), the place it moves into (rows that
// move there first: only once tracking) and the item at its target (whether that
// item's row moved away). So after the rows in `changed` got new targets, those
// rows, the rows sharing a (folded) target folder with their old or new targets
// (duplicates), and then, in row order, every later row whose target is the item
// of a row whose outcome changed, are all that can change.
bool ConflictFinder::Work::Again(const filelist::FileList& list,
                                 std::span<const std::uint32_t> changed) {
    if constexpr (platform::kNamesIgnoreCase) return false;
    if (tracking) return false;
    const std::size_t count = list.Count();
    queuedRows.clear();
    pending = {};
    touchedGroups.clear();
    byPlace.clear();
    touched.assign(folders->FoldedCount(), 0);
    for (const std::uint32_t row : changed) {
        if (row >= count || list.Entry(row).isFolder) return false;
    }
    for (const std::uint32_t row : changed) {
        if (queued[row]) continue;
        if (ruleMarks[row] != Conflict::EmptyName) {
            Touch(folders->Folded(targets[row].folder), targets[row].hash);
        }
        SearchRow(list, row, list.At(row).newName);
        searchMarks[row] = ruleMarks[row];
        if (ruleMarks[row] != Conflict::EmptyName) {
            const Folder group = folders->Folded(targets[row].folder);
            Touch(group, targets[row].hash);
            Join(row, group);
        }
        Queue(row);
    }
    for (std::size_t slot = 0; slot < touchedGroups.size(); ++slot) RecheckGroup(slot);
    while (!pending.empty()) {
        const std::uint32_t row = pending.top();
        pending.pop();
        const std::uint8_t wasMoved = moved[row];
        if (!ReplayRow(list, row, true)) return false;
        if (moved[row] == wasMoved) continue;
        // Rows beneath a folder depend on its outcome: that is a whole search.
        if (list.Entry(row).isFolder) return false;
        QueueTargetsOf(list, row);
    }
    for (const std::uint32_t row : queuedRows) queued[row] = 0;
    return true;
}

// The rows whose targets lie in the folded folder now and whose names' hashes
// `keepHash` keeps, into `members`.
template <typename Keep>
void ConflictFinder::Work::Members(Folder group, Keep keepHash) {
    members.clear();
    const auto belongs = [&](std::uint32_t row) {
        return ruleMarks[row] != Conflict::EmptyName &&
               folders->Folded(targets[row].folder) == group && keepHash(targets[row].hash);
    };
    if (group < groupStart.size()) {
        const std::size_t last =
            group + 1 < groupStart.size() ? groupStart[group + 1] : grouped.size();
        for (std::size_t k = groupStart[group]; k < last; ++k) {
            if (keepHash(groupedHash[k]) && belongs(grouped[k])) members.push_back(grouped[k]);
        }
    }
    if (group < joined.size()) {
        for (const std::uint32_t row : joined[group]) {
            if (belongs(row)) members.push_back(row);
        }
    }
}

void ConflictFinder::Work::Join(std::uint32_t row, Folder group) {
    if (group < groupStart.size()) {
        const auto first = grouped.begin() + std::ptrdiff_t(groupStart[group]);
        const auto last = group + 1 < groupStart.size()
                              ? grouped.begin() + std::ptrdiff_t(groupStart[group + 1])
                              : grouped.end();
        const auto at = std::lower_bound(first, last, row);
        if (at != last && *at == row) {
            groupedHash[std::size_t(at - grouped.begin())] = targets[row].hash;
            return;
        }
    }
    if (group >= joined.size()) joined.resize(group + 1);
    std::vector<std::uint32_t>& rows = joined[group];
    if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
}

void ConflictFinder::Work::Touch(Folder group, std::uint64_t nameHash) {
    if (group >= touched.size()) touched.resize(group + 1, 0);
    if (touched[group] == 0) {
        touchedGroups.push_back(group);
        if (touchedNames.size() < touchedGroups.size()) touchedNames.resize(touchedGroups.size());
        touchedNames[touchedGroups.size() - 1].clear();
        touched[group] = std::uint32_t(touchedGroups.size());
    }
    touchedNames[touched[group] - 1].push_back(nameHash);
}

void ConflictFinder::Work::Queue(std::uint32_t row) {
    if (std::exchange(queued[row], 1) != 0) return;
    queuedRows.push_back(row);
    pending.push(row);
}

// Duplicates within one folded folder found anew among the rows whose names
// hash as a target that came or went; rows whose marks change wait for their turn
// again. A pass over the folder's rows compares hashes only.
void ConflictFinder::Work::RecheckGroup(std::size_t slot) {
    std::vector<std::uint64_t>& names = touchedNames[slot];
    std::sort(names.begin(), names.end());
    if (names.size() == 1) {
        Members(touchedGroups[slot], [&](std::uint64_t hash) { return hash == names[0]; });
    } else {
        Members(touchedGroups[slot], [&](std::uint64_t hash) {
            return std::binary_search(names.begin(), names.end(), hash);
        });
    }
    firstRow.Reset(members.size());
    duplicate.assign(members.size(), 0);
    for (std::size_t k = 0; k < members.size(); ++k) {
        const Target& target = targets[members[k]];
        const auto earlier =
            firstRow.Insert(target.hash, std::uint32_t(k), [&](std::uint32_t other) {
                return platform::EqualsAsciiNoCase(targets[members[other]].name, target.name);
            });
        if (earlier) duplicate[k] = duplicate[*earlier] = 1;
    }
    for (std::size_t k = 0; k < members.size(); ++k) {
        const std::uint32_t row = members[k];
        const Conflict mark = duplicate[k] ? Conflict::Duplicate : ruleMarks[row];
        if (mark != searchMarks[row]) {
            searchMarks[row] = mark;
            Queue(row);
        }
    }
}

// The later rows whose target is `row`'s item: whether it is still there at their
// turn changed.
void ConflictFinder::Work::QueueTargetsOf(const filelist::FileList& list, std::uint32_t row) {
    const Place from = Source(list, row);
    const Folder group = folders->Folded(from.folder);
    const auto queueIfThere = [&](std::uint32_t member) {
        const Target& t = targets[member];
        if (member > row && t.hash == from.keyHash && t.folder == from.folder && t.name == from.key)
            Queue(member);
    };
    // A few look-ups in a folder pass over its rows; more sort them by place once.
    constexpr int kPassesBeforeIndex = 8;
    PlaceIndex& index = byPlace[group];
    if (index.passes < kPassesBeforeIndex) {
        ++index.passes;
        Members(group, [&](std::uint64_t hash) { return hash == from.keyHash; });
        for (const std::uint32_t member : members) queueIfThere(member);
        return;
    }
    if (index.rows.empty()) {
        Members(group, [](std::uint64_t) { return true; });
        index.rows.reserve(members.size());
        for (const std::uint32_t member : members) {
            index.rows.emplace_back(WithFolder(targets[member].hash, targets[member].folder),
                                    member);
        }
        std::sort(index.rows.begin(), index.rows.end());
    }
    const auto [first, last] = std::equal_range(
        index.rows.begin(), index.rows.end(), std::pair(from.Hash(), std::uint32_t(0)),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto it = first; it != last; ++it) queueIfThere(it->second);
}

// From now on every place a row moves into is kept, the earlier ones first. Only
// where names keep their case does tracking start part way, and until then every
// row moved into its own target's folder, so the places need not be kept per row.
void ConflictFinder::Work::Track(std::size_t row) {
    tracking = true;
    takenIndex.Reset(moved.size());
    for (std::size_t j = 0; j < row; ++j) {
        if (moved[j]) Take(PlaceOf(targets[j].folder, targets[j].name, targets[j].hash));
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

Place ConflictFinder::Work::Source(const filelist::FileList& list, std::size_t row) {
    const std::u16string& path = list.Entry(row).path;
    const std::u16string_view name = filelist::NamePartView(path, true);
    return PlaceOf(folders->Number(filelist::FolderPartView(path)), name, FoldedHash(name));
}

bool ConflictFinder::Work::Taken(const filelist::FileList& list, const Place& to, std::size_t row) {
    if (tracking && takenIndex.Find(to.Hash(), [&](std::uint32_t i) { return taken[i] == to; })) {
        return true;
    }
    const NameTable* names = folders->Listing(to.folder).names.get();
    // A folder that cannot be read: the commit will tell.
    if (names == nullptr || !names->Contains(to.key, to.keyHash)) return false;
    // Something is there; free only if it is a row's item that an earlier row moved away.
    if (sources.empty()) {
        sources.reserve(list.Count());
        sourceIndex.Reset(list.Count());
        for (std::size_t i = 0; i < list.Count(); ++i) {
            const Place& source = sources.emplace_back(Source(list, i));
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
std::optional<Folder> ConflictFinder::Work::Resolve(const filelist::FileList& list, Folder folder,
                                                    std::size_t row, int depth) {
    if (!folders->Listing(folder).missing) return folder;
    if (makers.size() < folders->Count()) makers.resize(folders->Count());
    if (!makers[folder]) makers[folder] = FindMakers(list, folder);
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
    const std::size_t madeSize = folders->Text(made.folder).size() + 1 + made.name.size();
    const std::u16string& source = list.Entry(maker).path;
    const std::u16string_view old =
        texts.emplace_back(source + std::u16string(folders->Text(folder).substr(madeSize)));
    return Resolve(list, folders->Number(old), row, depth + 1);
}

// The folder rows, in row order, whose targets spelled whole are the folder or one
// above it. Rows marked or unchanged never move, so leaving them out of the index
// changes nothing.
std::vector<std::size_t> ConflictFinder::Work::FindMakers(const filelist::FileList& list,
                                                          Folder folder) {
    if (!makersIndexed) {
        makersIndexed = true;
        for (std::size_t j = 0; j < list.Count(); ++j) {
            if (!list.Entry(j).isFolder || marks[j] != Conflict::None || unchanged[j]) continue;
            const Target& t = targets[j];
            std::u16string whole(folders->Text(t.folder));
            whole += platform::kPathSeparator;
            whole += t.name;
            makersByTarget[std::move(whole)].push_back(j);
        }
    }
    std::vector<std::size_t> rows;
    if (makersByTarget.empty()) return rows;
    const std::u16string_view text = folders->Text(folder);
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
