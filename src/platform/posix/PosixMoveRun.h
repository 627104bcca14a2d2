#pragma once

#include "platform/FileSystem.h"
#include "platform/posix/MoveNoReplace.h"
#include "platform/posix/OpenFolders.h"

namespace morvalent::platform::posix {

// Moves and identities by name in the item's open folder, kept open while the items
// that follow share it; a path the folders cannot serve goes by its whole self.
class PosixMoveRun : public MoveRun {
  public:
    // `calls` are the system's own, or stand-ins that walk the fallback ways.
    explicit PosixMoveRun(const MoveCalls& calls = NativeMoveCalls()) : calls_(calls) {}
    MoveOutcome MoveNoReplace(std::u16string_view source, std::u16string_view target) override;
    std::optional<FileIdentity> ReadIdentity(std::u16string_view path) override;
    void FoldersMoved() override { folders_.ForgetAll(); }
    void WatchCopies(CopyWitness witness) override { witness_ = std::move(witness); }
    void WatchSteps(StepWitness witness) override { steps_ = std::move(witness); }

  private:
    const MoveCalls& calls_;
    OpenFolders folders_;
    CopyWitness witness_;
    StepWitness steps_;
};

}  // namespace morvalent::platform::posix
