#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/FileSystem.h"

namespace morvalent::platform {

// The system calls at which the move chooses its way. Tests put stand-ins here to
// walk the fallback ways on any file system; the program uses NativeMoveCalls().
struct MoveCalls {
    int (*renameat2)(int fromDir, const char* from, int toDir, const char* to, unsigned flags);
    int (*renameat)(int fromDir, const char* from, int toDir, const char* to);
    int (*linkat)(int fromDir, const char* from, int toDir, const char* to, int flags);
    int (*unlinkat)(int dir, const char* path, int flags);
    int (*lstat)(const char* path, struct stat* st);
};

const MoveCalls& NativeMoveCalls();

// Whom a move tells what it makes on the way: a copy across volumes before it is
// named, and each step of a way without the system's no-replace rename.
struct MoveWitnesses {
    const MoveRun::CopyWitness* copies = nullptr;
    const MoveRun::StepWitness* steps = nullptr;
};

// The move without replacing, on native (byte) paths, through the given calls.
MoveOutcome MoveNoReplaceWith(const MoveCalls& calls, const std::string& source,
                              const std::string& target, const MoveWitnesses& witnesses = {});

// The same item and target named twice: by a name in an open folder and by the whole
// path. The rename is tried in the folders first; anything but success goes every
// way above again by the whole paths.
struct PlaceInFolder {
    int folder;
    const char* name;
    const std::string& path;
};
MoveOutcome MoveNoReplaceInFoldersWith(const MoveCalls& calls, const PlaceInFolder& source,
                                       const PlaceInFolder& target,
                                       const MoveWitnesses& witnesses = {});

// A copy over the file-size limit then fails its row (EFBIG) instead of the signal
// ending the program in the middle of a commit.
void IgnoreFileSizeSignal();

}  // namespace morvalent::platform
