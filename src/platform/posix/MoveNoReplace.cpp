#include "platform/posix/MoveNoReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixIo.h"

// Every way below keeps one promise: nothing that exists at the target, file,
// folder, link or another name of the source itself, is ever replaced. A plain
// rename() replaces files and empty folders, so it is used only onto a placeholder
// this code has just created, or after checking that the target is free.
namespace morvalent::platform {
namespace {

using posix::Fd;
using posix::NameOf;
using posix::ParentOf;
using posix::WriteAll;

// What an inner move (one step of a longer way) may do.
struct Way {
    bool caseRoute = true;  // may go through a temporary name for a case-only rename
    bool copy = true;       // may copy across file systems
};

MoveOutcome Moved() { return {MoveResult::Moved, 0}; }
MoveOutcome Fail(int error) { return {MoveResult::Failed, error}; }
MoveOutcome Exists() { return {MoveResult::TargetExists, EEXIST}; }

// The file system does not know RENAME_NOREPLACE (NFS, many FUSE drivers).
bool IsFlagUnsupported(int error) {
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

bool SameObject(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool SameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Whether the folder holds an entry spelled exactly so (byte for byte). When the
// folder cannot be read, the answer is yes, so that nothing is risked on it.
bool ExactNameExists(const std::string& folder, const std::string& name) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return true;
    bool found = false;
    while (const struct dirent* d = readdir(dir)) {
        if (name == d->d_name) {
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

void SyncFolder(const std::string& folder) {
    Fd fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) fsync(fd.get());
}

// Copies the data of `in` into the fresh file `out`; 0 or the error number.
int CopyData(int in, int out) {
    off64_t done = 0;
    bool plain = false;
    std::vector<char> buffer;
    for (;;) {
        ssize_t n;
        if (!plain) {
            n = copy_file_range(in, &done, out, nullptr, std::size_t(1) << 30, 0);
            if (n < 0 && done == 0 &&
                (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP ||
                 errno == EBADF)) {
                plain = true;
                continue;
            }
        } else {
            if (buffer.empty()) buffer.resize(std::size_t(1) << 20);
            n = pread(in, buffer.data(), buffer.size(), off_t(done));
            if (n > 0 && !WriteAll(out, std::string_view(buffer.data(), std::size_t(n))))
                return errno;
            if (n > 0) done += n;
        }
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) break;
    }
    // A copy that stopped short of the source's size is not a copy.
    struct stat st;
    if (fstat(in, &st) != 0) return errno;
    if (done != st.st_size) return EIO;
    return 0;
}

// Extended attributes: the user's own (tags, origins) must come along, so the copy
// fails without them; the system's (security labels, ACLs) where permitted.
int CopyAttributes(int in, int out) {
    std::vector<char> names(1024);
    ssize_t length;
    while ((length = flistxattr(in, names.data(), names.size())) < 0 && errno == ERANGE) {
        names.resize(names.size() * 4);
    }
    if (length < 0) return errno == ENOTSUP ? 0 : errno;
    std::vector<char> value;
    for (const char* name = names.data(); name < names.data() + length;
         name += std::strlen(name) + 1) {
        const bool users = std::strncmp(name, "user.", 5) == 0;
        ssize_t size;
        value.resize(256);
        while ((size = fgetxattr(in, name, value.data(), value.size())) < 0 && errno == ERANGE) {
            value.resize(value.size() * 4);
        }
        int error = size < 0 ? errno : 0;
        if (error == 0 && fsetxattr(out, name, value.data(), std::size_t(size), 0) != 0)
            error = errno;
        if (error != 0 && users) return error;
    }
    return 0;
}

// Data, then owner where allowed, mode and times, all on disk before anyone can see it.
int FillCopy(int in, int out, const struct stat& st) {
    if (const int error = CopyData(in, out)) return error;
    if (const int error = CopyAttributes(in, out)) return error;
    mode_t mode = st.st_mode & 07777;
    // Set-id bits only stay on a copy that kept its owner.
    if (fchown(out, st.st_uid, st.st_gid) != 0) mode &= mode_t(~(S_ISUID | S_ISGID));
    if (fchmod(out, mode) != 0) return errno;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (futimens(out, times) != 0) return errno;
    if (fsync(out) != 0) return errno;
    return 0;
}

// The identity of an open file as IdentityAt gives it for its path.
std::optional<FileIdentity> IdentityOf(int fd) { return IdentityAt(fd, ""); }

class Mover {
  public:
    Mover(const MoveCalls& calls, const MoveWitnesses& witnesses)
        : c_(calls), witness_(witnesses.copies), steps_(witnesses.steps) {}
    MoveOutcome Move(const std::string& source, const std::string& target, Way way);

  private:
    MoveOutcome Missing(const std::string& source, int error);
    MoveOutcome Existing(const std::string& source, const std::string& target, Way way);
    MoveOutcome WithoutFlag(const std::string& source, const std::string& target, Way way);
    MoveOutcome ThroughPlaceholder(const std::string& source, const std::string& target,
                                   const struct stat& st, Way way);
    MoveOutcome CheckedRename(const std::string& source, const std::string& target, Way way);
    MoveOutcome CaseOnly(const std::string& source, const std::string& target);
    MoveOutcome AcrossDevices(const std::string& source, const std::string& target, Way way);
    MoveOutcome CopyFile(const std::string& source, const std::string& target);
    MoveOutcome CopyToNewName(int in, const std::string& source, const std::string& target,
                              const struct stat& st);
    MoveOutcome CopyLink(const std::string& source, const std::string& target,
                         const struct stat& st);
    MoveOutcome RemoveSource(const std::string& source, const struct stat& original,
                             const std::string& target, const struct stat& copy);
    int Publish(int fd, const std::string& target);
    bool IsCaseOnlyRename(const std::string& source, const std::string& target);
    bool IsInOwnSubtree(const std::string& source, const std::string& target);
    void RemoveIfOurs(const std::string& path, const struct stat& ours);
    // Takes back the placeholder made at `path` (known by its identity, else by
    // `ours`) while it is still empty; by the system's own calls, so that a failing
    // stand-in cannot leave it behind.
    void RemovePlaceholder(const std::string& path, const std::optional<FileIdentity>& identity,
                           const struct stat* ours);
    // Tells the witness of the copy about to be named; false when it refuses.
    bool Witnessed(int copyFd, const char* copyPath);
    // Tells the witness of a step about to be made (`made` empty) or just made;
    // false when it refuses.
    bool Told(MoveStep::Kind kind, const std::string& path, std::optional<FileIdentity> made);
    bool Watched() const { return steps_ != nullptr && *steps_; }

    const MoveCalls& c_;
    const MoveRun::CopyWitness* witness_;
    const MoveRun::StepWitness* steps_;
};

bool Mover::Told(MoveStep::Kind kind, const std::string& path, std::optional<FileIdentity> made) {
    if (!Watched()) return true;
    return (*steps_)(MoveStep{kind, Utf8ToUtf16(path), made});
}

bool Mover::Witnessed(int copyFd, const char* copyPath) {
    if (witness_ == nullptr || !*witness_) return true;
    const auto identity = copyFd >= 0 ? IdentityOf(copyFd) : IdentityAt(AT_FDCWD, copyPath);
    return identity && (*witness_)(*identity);
}

MoveOutcome Mover::Move(const std::string& source, const std::string& target, Way way) {
    if (c_.renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return Moved();
    }
    const int error = errno;
    if (error == EEXIST) return Existing(source, target, way);
    if (error == EXDEV) return AcrossDevices(source, target, way);
    if (error == ENOENT) return Missing(source, error);
    if (!IsFlagUnsupported(error)) return Fail(error);
    // EINVAL is also the answer for a folder moved into itself.
    if (IsInOwnSubtree(source, target)) return Fail(EINVAL);
    return WithoutFlag(source, target, way);
}

MoveOutcome Mover::Missing(const std::string& source, int error) {
    struct stat st;
    if (c_.lstat(source.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        return {MoveResult::SourceMissing, error};
    }
    return Fail(error);
}

MoveOutcome Mover::Existing(const std::string& source, const std::string& target, Way way) {
    if (way.caseRoute && IsCaseOnlyRename(source, target)) return CaseOnly(source, target);
    return Exists();
}

// Without RENAME_NOREPLACE: a second name and then away with the first; where
// hard links are refused, and for folders, through a placeholder.
MoveOutcome Mover::WithoutFlag(const std::string& source, const std::string& target, Way way) {
    struct stat st;
    if (c_.lstat(source.c_str(), &st) != 0) return Missing(source, errno);
    if (!S_ISDIR(st.st_mode)) {
        // On record before there are two names, so that an undo after a stop
        // between the two steps finds the second one.
        if (!Told(MoveStep::Kind::Link, target, std::nullopt)) return Fail(EIO);
        if (c_.linkat(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), 0) == 0) {
            // Some file systems number names rather than items: the new name's own
            // number is what an undo will find there.
            int error = 0;
            if (!Told(MoveStep::Kind::Link, target, IdentityAt(AT_FDCWD, target.c_str()))) {
                error = EIO;
            } else if (c_.unlinkat(AT_FDCWD, source.c_str(), 0) == 0) {
                return Moved();
            } else {
                error = errno;
            }
            c_.unlinkat(AT_FDCWD, target.c_str(), 0);
            return Fail(error);
        }
        const int error = errno;
        switch (error) {
            case EEXIST:
                return Existing(source, target, way);
            case EXDEV:
                return AcrossDevices(source, target, way);
            case ENOENT:
                return Missing(source, error);
            case EPERM:
            case EOPNOTSUPP:
            case ENOSYS:
            case EMLINK:
                break;
            default:
                return Fail(error);
        }
    }
    return ThroughPlaceholder(source, target, st, way);
}

// Reserves the target with an item only this call can have made, then renames
// over that item: whatever else appears at the target meanwhile makes the
// reservation fail instead of being replaced.
MoveOutcome Mover::ThroughPlaceholder(const std::string& source, const std::string& target,
                                      const struct stat& st, Way way) {
    // On record before it exists, and with its identity before the rename, so
    // that an undo after a stop in between can tell it from anything else there.
    if (!Told(MoveStep::Kind::Placeholder, target, std::nullopt)) return Fail(EIO);
    int made = -1;
    std::optional<FileIdentity> identity;
    if (S_ISDIR(st.st_mode)) {
        made = mkdir(target.c_str(), 0700);
        if (made == 0) identity = IdentityAt(AT_FDCWD, target.c_str());
    } else {
        const int fd =
            open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            identity = IdentityOf(fd);
            close(fd);
            made = 0;
        }
    }
    if (made != 0) {
        const int error = errno;
        switch (error) {
            case EEXIST:
                return Existing(source, target, way);
            case ENOENT:
                return Missing(source, error);
            case EPERM:
            case EOPNOTSUPP:
            case ENOSYS:
                return CheckedRename(source, target, way);
            default:
                return Fail(error);
        }
    }
    // A placeholder on record must be one the undo can tell by its identity.
    const bool told =
        (identity || !Watched()) && Told(MoveStep::Kind::Placeholder, target, identity);
    struct stat ours;
    if (c_.lstat(target.c_str(), &ours) != 0) {
        const int error = errno;
        RemovePlaceholder(target, identity, nullptr);
        return Fail(error);
    }
    if (!told) {
        RemovePlaceholder(target, identity, &ours);
        return Fail(EIO);
    }
    if (c_.renameat(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str()) == 0) return Moved();
    const int error = errno;
    RemovePlaceholder(target, identity, &ours);
    switch (error) {
        case EXDEV:
            return AcrossDevices(source, target, way);
        case ENOENT:
            return Missing(source, error);
        case EPERM:
        case EEXIST:
        case ENOTEMPTY:
        case EOPNOTSUPP:
        case ENOSYS:
            return CheckedRename(source, target, way);
        default:
            return Fail(error);
    }
}

// The last resort where nothing can be reserved: rename only onto a free name.
MoveOutcome Mover::CheckedRename(const std::string& source, const std::string& target, Way way) {
    struct stat st;
    if (c_.lstat(target.c_str(), &st) == 0) return Existing(source, target, way);
    if (errno != ENOENT) return Fail(errno);
    if (c_.renameat(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str()) == 0) return Moved();
    const int error = errno;
    if (error == EXDEV) return AcrossDevices(source, target, way);
    if (error == ENOENT) return Missing(source, error);
    return Fail(error);
}

// A case-insensitive file system reports `README.txt` as existing while it is
// `readme.txt` itself: the target resolves to the source, in the same folder, and
// no entry is spelled exactly like the target.
bool Mover::IsCaseOnlyRename(const std::string& source, const std::string& target) {
    struct stat from;
    struct stat to;
    if (c_.lstat(source.c_str(), &from) != 0 || c_.lstat(target.c_str(), &to) != 0) return false;
    if (!SameObject(from, to)) return false;
    const std::string name = NameOf(target);
    if (name.empty() || name == NameOf(source)) return false;
    struct stat sourceFolder;
    struct stat targetFolder;
    if (stat(ParentOf(source).c_str(), &sourceFolder) != 0 ||
        stat(ParentOf(target).c_str(), &targetFolder) != 0 ||
        !SameObject(sourceFolder, targetFolder)) {
        return false;
    }
    return !ExactNameExists(ParentOf(target), name);
}

MoveOutcome Mover::CaseOnly(const std::string& source, const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const Way inner{false, false};
    const std::string folder = ParentOf(target);
    std::string temp;
    MoveOutcome away = Exists();
    for (int attempt = 0; attempt < 100 && away.result == MoveResult::TargetExists; ++attempt) {
        temp = folder + "/.morvalent-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
        // On record before the item can be there, so that an undo after a stop
        // between the two renames finds it.
        if (!Told(MoveStep::Kind::TemporaryName, temp, std::nullopt)) return Fail(EIO);
        away = Move(source, temp, inner);
    }
    if (away.result == MoveResult::SourceMissing) return away;
    if (away.result != MoveResult::Moved) return Fail(away.error != 0 ? away.error : EEXIST);
    const MoveOutcome onto = Move(temp, target, inner);
    if (onto.result != MoveResult::Moved) {
        Move(temp, source, inner);
        return onto.result == MoveResult::TargetExists ? onto : Fail(onto.error);
    }
    // The file system may keep a spelling of its own; then the row has failed,
    // though the item still answers to its old name there.
    if (!ExactNameExists(folder, NameOf(target))) return Fail(EINVAL);
    return Moved();
}

// A folder moved into its own subtree: walks up from the target's folder.
bool Mover::IsInOwnSubtree(const std::string& source, const std::string& target) {
    struct stat from;
    if (c_.lstat(source.c_str(), &from) != 0 || !S_ISDIR(from.st_mode)) return false;
    int fd = open(ParentOf(target).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool inside = false;
    for (int depth = 0; depth < 4096; ++depth) {
        struct stat here;
        if (fstat(fd, &here) != 0) break;
        if (SameObject(here, from)) {
            inside = true;
            break;
        }
        const int up = openat(fd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (up < 0) break;
        struct stat above;
        if (fstat(up, &above) != 0 || SameObject(above, here)) {
            close(up);
            break;
        }
        close(fd);
        fd = up;
    }
    close(fd);
    return inside;
}

// Across file systems a file is copied and published whole, then the source goes;
// a folder is not moved at all.
MoveOutcome Mover::AcrossDevices(const std::string& source, const std::string& target, Way way) {
    if (!way.copy) return Fail(EXDEV);
    struct stat st;
    if (c_.lstat(source.c_str(), &st) != 0) return Missing(source, errno);
    struct stat existing;
    if (c_.lstat(target.c_str(), &existing) == 0) return Exists();
    if (S_ISDIR(st.st_mode)) return {MoveResult::FolderAcrossDevices, EXDEV};
    if (S_ISLNK(st.st_mode)) return CopyLink(source, target, st);
    if (!S_ISREG(st.st_mode)) return Fail(EXDEV);
    return CopyFile(source, target);
}

MoveOutcome Mover::CopyFile(const std::string& source, const std::string& target) {
    Fd in(open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (in.get() < 0) return Missing(source, errno);
    struct stat st;
    if (fstat(in.get(), &st) != 0) return Fail(errno);
    if (!S_ISREG(st.st_mode)) return Fail(EXDEV);
    // An unnamed file in the target's folder: nothing is visible until it is whole.
    Fd out(open(ParentOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (out.get() >= 0) {
        if (const int error = FillCopy(in.get(), out.get(), st)) return Fail(error);
        struct stat copy;
        if (fstat(out.get(), &copy) != 0) return Fail(errno);
        // Unnamed until the witness has it: a stop before leaves nothing behind.
        if (!Witnessed(out.get(), nullptr)) return Fail(EIO);
        const int published = Publish(out.get(), target);
        if (published == 0) return RemoveSource(source, st, target, copy);
        if (published == EEXIST) return Exists();
    }
    // No unnamed files here, or no way to name one: write into a new target.
    return CopyToNewName(in.get(), source, target, st);
}

int Mover::Publish(int fd, const std::string& target) {
    if (c_.linkat(fd, "", AT_FDCWD, target.c_str(), AT_EMPTY_PATH) == 0) return 0;
    if (errno == EEXIST) return EEXIST;
    // Without the capability for AT_EMPTY_PATH, the same through /proc.
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    if (c_.linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    return errno;
}

MoveOutcome Mover::CopyToNewName(int in, const std::string& source, const std::string& target,
                                 const struct stat& st) {
    // Empty until the witness has the copy: on record as a placeholder before.
    if (!Told(MoveStep::Kind::Placeholder, target, std::nullopt)) return Fail(EIO);
    Fd out(open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.get() < 0) {
        const int error = errno;
        return error == EEXIST ? Exists() : Fail(error);
    }
    struct stat copy;
    if (fstat(out.get(), &copy) != 0) {
        const int error = errno;
        c_.unlinkat(AT_FDCWD, target.c_str(), 0);
        return Fail(error);
    }
    if (!Witnessed(out.get(), nullptr)) {
        RemoveIfOurs(target, copy);
        return Fail(EIO);
    }
    if (const int error = FillCopy(in, out.get(), st)) {
        RemoveIfOurs(target, copy);
        return Fail(error);
    }
    return RemoveSource(source, st, target, copy);
}

MoveOutcome Mover::CopyLink(const std::string& source, const std::string& target,
                            const struct stat& st) {
    std::string content(std::size_t(st.st_size) + 1, '\0');
    for (;;) {
        const ssize_t n = readlink(source.c_str(), content.data(), content.size());
        if (n < 0) return Missing(source, errno);
        if (std::size_t(n) < content.size()) {
            content.resize(std::size_t(n));
            break;
        }
        content.resize(content.size() * 2);
    }
    if (symlink(content.c_str(), target.c_str()) != 0) {
        const int error = errno;
        return error == EEXIST ? Exists() : Fail(error);
    }
    struct stat copy;
    if (c_.lstat(target.c_str(), &copy) != 0) return Fail(errno);
    if (!Witnessed(-1, target.c_str())) {
        RemoveIfOurs(target, copy);
        return Fail(EIO);
    }
    return RemoveSource(source, st, target, copy);
}

// The copy is complete and named; the source goes only if it is still the item
// that was copied. If it cannot go, the copy goes instead.
MoveOutcome Mover::RemoveSource(const std::string& source, const struct stat& original,
                                const std::string& target, const struct stat& copy) {
    SyncFolder(ParentOf(target));
    struct stat now;
    int error = 0;
    if (c_.lstat(source.c_str(), &now) != 0) {
        error = errno;
    } else if (!SameObject(now, original) || now.st_size != original.st_size ||
               !SameTime(now.st_mtim, original.st_mtim) ||
               !SameTime(now.st_ctim, original.st_ctim)) {
        // Written to (or replaced) while it was copied: the copy is not all of it.
        error = ESTALE;
    } else if (c_.unlinkat(AT_FDCWD, source.c_str(), 0) != 0) {
        error = errno;
    }
    if (error == 0) return Moved();
    RemoveIfOurs(target, copy);
    return Fail(error);
}

void Mover::RemovePlaceholder(const std::string& path, const std::optional<FileIdentity>& identity,
                              const struct stat* ours) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return;
    if (identity ? IdentityAt(AT_FDCWD, path.c_str()) != identity
                 : ours == nullptr || !SameObject(st, *ours)) {
        return;
    }
    // Only while still empty: rmdir removes no folder with anything in it.
    if (S_ISDIR(st.st_mode)) {
        rmdir(path.c_str());
    } else if (S_ISREG(st.st_mode) && st.st_size == 0) {
        unlink(path.c_str());
    }
}

void Mover::RemoveIfOurs(const std::string& path, const struct stat& ours) {
    struct stat st;
    if (c_.lstat(path.c_str(), &st) != 0 || !SameObject(st, ours)) return;
    c_.unlinkat(AT_FDCWD, path.c_str(), S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0);
}

}  // namespace

const MoveCalls& NativeMoveCalls() {
    static const MoveCalls calls{
        [](int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
            return ::renameat2(fromDir, from, toDir, to, flags);
        },
        [](int fromDir, const char* from, int toDir, const char* to) {
            return ::renameat(fromDir, from, toDir, to);
        },
        [](int fromDir, const char* from, int toDir, const char* to, int flags) {
            return ::linkat(fromDir, from, toDir, to, flags);
        },
        [](int dir, const char* path, int flags) { return ::unlinkat(dir, path, flags); },
        [](const char* path, struct stat* st) { return ::lstat(path, st); },
    };
    return calls;
}

MoveOutcome MoveNoReplaceWith(const MoveCalls& calls, const std::string& source,
                              const std::string& target, const MoveWitnesses& witnesses) {
    return Mover(calls, witnesses).Move(source, target, Way{});
}

MoveOutcome MoveNoReplaceInFoldersWith(const MoveCalls& calls, const PlaceInFolder& source,
                                       const PlaceInFolder& target,
                                       const MoveWitnesses& witnesses) {
    if (calls.renameat2(source.folder, source.name, target.folder, target.name, RENAME_NOREPLACE) ==
        0) {
        return Moved();
    }
    // A refusal is rare; the whole paths also name what is there now, should a
    // folder kept open have moved meanwhile.
    return MoveNoReplaceWith(calls, source.path, target.path, witnesses);
}

void IgnoreFileSizeSignal() {
    static const bool sizeSignalIgnored = signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    (void)sizeSignalIgnored;
}

MoveOutcome MoveNoReplaceNative(const std::string& source, const std::string& target) {
    IgnoreFileSizeSignal();
    return MoveNoReplaceWith(NativeMoveCalls(), source, target);
}

}  // namespace morvalent::platform
