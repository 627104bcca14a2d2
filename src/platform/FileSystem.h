#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileIdentity.h"
#include "platform/FileTime.h"
#include "platform/MoveError.h"
#include "platform/NameRules.h"

namespace morvalent::platform {

struct FileInfo {
    FileTime creationTime = kUnknownTime;
    FileTime lastWriteTime = 0;
    std::uint64_t size = 0;
};

// One entry of a folder listing. Links are not followed: a link is an item of
// its own (isFolder false), so a walk never loops.
struct FolderItem {
    std::u16string name;
    bool isFolder = false;
    // A link that leads to a folder (isFolder stays false): a walk takes it as a
    // folder it does not enter.
    bool linksToFolder = false;
    // Named by the folder, but the item could not be looked at (it went, or the
    // folder lets its names be read but not its items): the rest says nothing.
    bool unreadable = false;
    FileInfo info;
    // The item's number on the listed folder's volume; 0 when the system does not
    // tell it, or the item lies on another volume (a mount point).
    std::uint64_t fileNumber = 0;
};

// What a folder's own record says of its entries: adding, removing or renaming any
// entry changes `changed`, so two equal stamps say that every name still names the
// item it named. `settled`: the stamp is old enough that a change made after it
// was read cannot carry the same time (the file system's clock moves in steps).
struct FolderStamp {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    FileTime changed = 0;
    bool settled = false;

    bool SameFolderAsBefore(const FolderStamp& other) const {
        return volume == other.volume && file == other.file && changed == other.changed;
    }
};

enum class MoveResult {
    Moved,
    TargetExists,
    SourceMissing,
    FolderAcrossDevices,
    Failed,
};

struct MoveOutcome {
    MoveResult result = MoveResult::Failed;
    int error = 0;  // the system's error number when result is Failed
};

// Why a move that did not happen failed, with the system's words for it.
MoveError MoveErrorOf(const MoveOutcome& outcome);

// A step of a move made where the system cannot rename without replacing: an item
// that lives only while the move runs, and that a stop in the middle leaves behind.
struct MoveStep {
    enum class Kind {
        Placeholder,  // an empty file or folder reserving the target's name
        Link,         // a second name of the item, before the first is removed
        // The item itself, on the way to a name that differs only in letter case
        // where the file system ignores case; never removed, only moved on.
        TemporaryName,
    };
    Kind kind = Kind::Placeholder;
    std::u16string path;
    // What the step made; nothing when told before the step.
    std::optional<FileIdentity> made;
};

enum class Leftover {
    Absent,   // nothing the step made is there
    Removed,  // it was there and is gone now
    Unsure,   // something there may be it, or the user's own: left as it is
};

// Removes what a stopped move left at `step.path`, only while it is still what the
// step made: a placeholder, empty, with the identity `step.made`; a second name of
// the item `item` (or of `step.made`) that has another name as well.
Leftover RemoveLeftover(const MoveStep& step, const std::optional<FileIdentity>& item);

// The moves and identity look-ups of one pass over many items (a commit). A system
// may keep the folders involved open from one item to the next instead of looking
// every path up from the root; the promises are those of FileSystem's calls.
class MoveRun {
  public:
    // Told the identity a copy onto another volume will have, before the copy is
    // named at the target (and so before the source goes); false stops that move,
    // leaving the source where it was.
    using CopyWitness = std::function<bool(const FileIdentity& copy)>;

    virtual ~MoveRun() = default;
    [[nodiscard]] virtual MoveOutcome MoveNoReplace(std::u16string_view source,
                                                    std::u16string_view target) = 0;
    virtual std::optional<FileIdentity> ReadIdentity(std::u16string_view path) = 0;
    // A folder was moved: folders kept open may no longer be at their paths.
    virtual void FoldersMoved() {}
    // Where the system moves across volumes by copying, each copy is told to the
    // witness first; a system that cannot tell keeps no witness.
    virtual void WatchCopies(CopyWitness witness) { (void)witness; }
    // Told each step of a move made without the system's own no-replace rename: first
    // before the step (false stops that move, leaving the source where it was), then
    // with what it made, before the move goes on; a system without such steps keeps
    // no witness.
    using StepWitness = std::function<bool(const MoveStep& step)>;
    virtual void WatchSteps(StepWitness witness) { (void)witness; }
};

// The file-system services the program needs. Paths are UTF-16; the native
// implementation converts them at the system boundary.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Whether the path is a folder, following links; nothing when the path does
    // not exist or cannot be read.
    virtual std::optional<bool> IsFolder(std::u16string_view path) = 0;
    // Times and size of the item (following links); nothing when unreadable.
    virtual std::optional<FileInfo> ReadInfo(std::u16string_view path) = 0;
    // The folder's entries without "." and "..", in the order the file system
    // returns them. False when the folder cannot be opened.
    virtual bool ListFolder(std::u16string_view folder, std::vector<FolderItem>& items) = 0;
    // Only the names of the folder's entries, as ListFolder gives them; a system
    // that can list names without reading each entry's details does so.
    virtual bool ListNames(std::u16string_view folder, std::vector<std::u16string>& names);
    // The folder's stamp, read before a listing of it to tell later whether the
    // listing still holds; nothing when this file system cannot tell.
    virtual std::optional<FolderStamp> ReadFolderStamp(std::u16string_view) { return std::nullopt; }
    // Renames or moves without ever replacing anything at `target`.
    virtual MoveOutcome MoveNoReplace(std::u16string_view source, std::u16string_view target) = 0;
    // The identity of the item itself (a link, not what it leads to); nothing when
    // it cannot be read or this file system cannot tell.
    virtual std::optional<FileIdentity> ReadIdentity(std::u16string_view) { return std::nullopt; }
    // The same for many paths at once, in order (many in one folder are read faster).
    virtual std::vector<std::optional<FileIdentity>> ReadIdentities(
        const std::vector<std::u16string_view>& paths) {
        std::vector<std::optional<FileIdentity>> identities;
        identities.reserve(paths.size());
        for (std::u16string_view path : paths) identities.push_back(ReadIdentity(path));
        return identities;
    }
    // A run of moves; by default each goes through this object by whole paths.
    virtual std::unique_ptr<MoveRun> BeginMoves();
    // The rules of the file system that holds `folder` (or, while it is not there,
    // its nearest folder that is), beyond the system's own. Looked up anew each time.
    virtual NameRuleSet FolderNameRules(std::u16string_view folder) {
        (void)folder;
        return NameRuleSet::System;
    }
};

std::unique_ptr<FileSystem> MakeNativeFileSystem();

}  // namespace morvalent::platform
