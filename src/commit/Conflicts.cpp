#include "commit/Conflicts.h"

#include <deque>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "commit/TargetCheck.h"
#include "filelist/NameParts.h"
#include "platform/NameRules.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::commit {
namespace {

using Folder = std::uint32_t;

// The folder a row's target lies in, as one number per distinct text, and the
// target's name in it. Texts are views of the rows or of targets built here.
struct Target {
    Folder folder = 0;
    std::u16string_view name;
};

// A place on disk under the file system's naming rule: a folder and a name key.
struct Place {
    Folder folder;
    std::u16string_view key;
    bool operator==(const Place&) const = default;
};

struct PlaceHash {
    std::size_t operator()(const Place& p) const {
        return std::hash<std::u16string_view>{}(p.key) ^
               (std::size_t(p.folder) * 0x9E3779B97F4A7C15u);
    }
};

// The commit's duplicate rule: whole targets equal with A-Z folded, here as a
// folded folder number and the name.
struct FoldedPlace {
    Folder foldedFolder;
    std::u16string_view name;
};

struct FoldedHash {
    std::size_t operator()(const FoldedPlace& p) const {
        std::uint64_t h = 0xCBF29CE484222325u ^ p.foldedFolder;
        for (char16_t c : p.name) {
            if (c >= u'A' && c <= u'Z') c = char16_t(c + (u'a' - u'A'));
            h = (h ^ c) * 0x100000001B3u;
        }
        return std::size_t(h);
    }
};

struct FoldedEqual {
    bool operator()(const FoldedPlace& a, const FoldedPlace& b) const {
        return a.foldedFolder == b.foldedFolder && platform::EqualsAsciiNoCase(a.name, b.name);
    }
};

// The distinct folder texts met, numbered; the numbers of their A-Z folded forms;
// and, once asked, what the disk holds in each.
class Folders {
  public:
    explicit Folders(FolderNames& disk) : disk_(disk) {}

    Folder Number(std::u16string_view text) {
        // Rows of one folder usually follow each other.
        if (!texts_.empty() && text == texts_[last_]) return last_;
        const auto [at, inserted] = numbers_.try_emplace(text, Folder(texts_.size()));
        if (inserted) {
            texts_.push_back(text);
            folded_.push_back(FoldedNumber(text));
            names_.push_back(nullptr);
            read_.push_back(false);
        }
        last_ = at->second;
        return last_;
    }
    Folder Folded(Folder folder) const { return folded_[folder]; }

    const NameSet* Names(Folder folder) {
        if (!read_[folder]) {
            names_[folder] = disk_.Names(texts_[folder]);
            read_[folder] = true;
        }
        return names_[folder];
    }

  private:
    Folder FoldedNumber(std::u16string_view text) {
        return foldedNumbers_.try_emplace(platform::FoldAscii(text), Folder(foldedNumbers_.size()))
            .first->second;
    }

    FolderNames& disk_;
    std::unordered_map<std::u16string_view, Folder> numbers_;
    std::unordered_map<std::u16string, Folder> foldedNumbers_;
    std::vector<std::u16string_view> texts_;
    std::vector<Folder> folded_;
    std::vector<const NameSet*> names_;
    std::vector<bool> read_;
    Folder last_ = 0;
};

std::u16string_view FolderView(const filelist::Row& row) {
    return row.hasFolderOverride ? std::u16string_view(row.folderOverride)
                                 : filelist::FolderPartView(row.entry.path);
}

// Whether `folder`, separator, `name` spells `path` exactly: the row the commit skips.
bool SpellsPath(std::u16string_view folder, std::u16string_view name, std::u16string_view path) {
    return path.size() == folder.size() + 1 + name.size() && path.starts_with(folder) &&
           path[folder.size()] == platform::kPathSeparator && path.ends_with(name);
}

std::size_t LastSeparator(std::u16string_view text) {
    for (std::size_t i = text.size(); i > 0; --i) {
        if (platform::IsPathSeparator(text[i - 1])) return i - 1;
    }
    return std::u16string_view::npos;
}

// The commit's order, replayed on names: which rows would find their target taken.
class Replay {
  public:
    Replay(const filelist::FileList& list, Folders& folders, const std::vector<Target>& targets,
           std::vector<Conflict>& marks)
        : list_(list),
          folders_(folders),
          targets_(targets),
          marks_(marks),
          moved_(list.Count(), false) {}

    void Row(std::size_t row) {
        const Target& target = targets_[row];
        const Place to{target.folder, Key(target.name)};
        const Place from = Source(row);
        // A change of letter case only: the item keeps its own place.
        if (from == to) return;
        if (Taken(to, row)) {
            marks_[row] = Conflict::Exists;
            return;
        }
        moved_[row] = true;
        // Where names differ only in case, two targets the commit holds different
        // can still be one place; elsewhere such targets are duplicates already.
        if constexpr (platform::kNamesIgnoreCase) taken_.insert(to);
    }

  private:
    std::u16string_view Key(std::u16string_view name) {
        if constexpr (!platform::kNamesIgnoreCase) return name;
        return keys_.emplace_back(platform::NameOnDiskKey(name));
    }

    Place Source(std::size_t row) {
        const std::u16string& path = list_.Entry(row).path;
        return {folders_.Number(filelist::FolderPartView(path)),
                Key(filelist::NamePartView(path, true))};
    }

    bool Taken(const Place& to, std::size_t row) {
        if constexpr (platform::kNamesIgnoreCase) {
            if (taken_.contains(to)) return true;
        }
        const NameSet* names = folders_.Names(to.folder);
        // A folder that cannot be read: the commit will tell.
        if (names == nullptr || !names->contains(to.key)) return false;
        // Something is there; free only if it is a row's item that an earlier row moved away.
        if (sources_.empty()) IndexSources();
        const auto at = sources_.find(to);
        return at == sources_.end() || at->second >= row || !moved_[at->second];
    }

    void IndexSources() {
        sources_.reserve(list_.Count());
        for (std::size_t i = 0; i < list_.Count(); ++i) sources_.try_emplace(Source(i), i);
    }

    const filelist::FileList& list_;
    Folders& folders_;
    const std::vector<Target>& targets_;
    std::vector<Conflict>& marks_;
    // Rows whose items left their places.
    std::vector<bool> moved_;
    std::unordered_map<Place, std::size_t, PlaceHash> sources_;
    std::unordered_set<Place, PlaceHash> taken_;
    std::deque<std::u16string> keys_;
};

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

}  // namespace

std::vector<Conflict> FindConflicts(const filelist::FileList& list, FolderNames& disk) {
    const std::size_t count = list.Count();
    std::vector<Conflict> marks(count, Conflict::None);
    std::vector<Target> targets(count);
    // Rows the commit skips: the target spells the item's own path.
    std::vector<bool> unchanged(count, false);
    // Targets of new names that reach into a subfolder, split anew at their last separator.
    std::deque<std::u16string> built;
    Folders folders(disk);
    std::unordered_map<FoldedPlace, std::size_t, FoldedHash, FoldedEqual> firstRow;
    firstRow.reserve(count);

    for (std::size_t i = 0; i < count; ++i) {
        const filelist::Row& row = list.At(i);
        const std::u16string_view name = row.newName;
        if (name.empty()) {
            marks[i] = Conflict::EmptyName;
            continue;
        }
        const std::u16string_view folder = FolderView(row);
        std::u16string_view targetFolder = folder;
        std::u16string_view targetName = name;
        if (LastSeparator(name) != std::u16string_view::npos) {
            const std::u16string_view whole = built.emplace_back(BuildTarget(folder, name));
            const std::size_t at = LastSeparator(whole);
            targetFolder = whole.substr(0, at);
            targetName = whole.substr(at + 1);
        }
        marks[i] = FromFault(platform::CheckTargetName(folder, name));
        unchanged[i] = SpellsPath(folder, name, row.entry.path);
        targets[i] = {folders.Number(targetFolder), targetName};
        const auto [at, inserted] =
            firstRow.try_emplace({folders.Folded(targets[i].folder), targetName}, i);
        if (!inserted) {
            marks[i] = Conflict::Duplicate;
            marks[at->second] = Conflict::Duplicate;
        }
    }

    Replay replay(list, folders, targets, marks);
    for (std::size_t i = 0; i < count; ++i) {
        if (marks[i] == Conflict::None && !unchanged[i]) replay.Row(i);
    }
    return marks;
}

}  // namespace morvalent::commit
