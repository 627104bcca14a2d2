#include "platform/ForwardingFileSystem.h"

namespace morvalent::platform {
namespace {

class ForwardingMoveRun : public MoveRun {
  public:
    using Move = std::function<MoveOutcome(std::u16string_view, std::u16string_view,
                                           const std::function<MoveOutcome()>&)>;
    ForwardingMoveRun(std::unique_ptr<MoveRun> inner, Move move, std::function<void()> calling)
        : inner_(std::move(inner)), move_(std::move(move)), calling_(std::move(calling)) {}

    MoveOutcome MoveNoReplace(std::u16string_view source, std::u16string_view target) override {
        calling_();
        return move_(source, target, [&] { return inner_->MoveNoReplace(source, target); });
    }
    std::optional<FileIdentity> ReadIdentity(std::u16string_view path) override {
        calling_();
        return inner_->ReadIdentity(path);
    }
    void FoldersMoved() override { inner_->FoldersMoved(); }
    // The witness must reach the inner run: without it a copy across volumes would
    // go unjournalled.
    void WatchCopies(CopyWitness witness) override {
        inner_->WatchCopies([this, witness = std::move(witness)](const FileIdentity& copy) {
            calling_();
            const bool told = witness(copy);
            calling_();
            return told;
        });
    }
    // A step and the record of what it made count as one call: a stop between the
    // two is the one a later undo cannot settle, and reports (see RemoveLeftover).
    void WatchSteps(StepWitness witness) override {
        inner_->WatchSteps([this, witness = std::move(witness)](const MoveStep& step) {
            if (!step.made) calling_();
            const bool told = witness(step);
            calling_();
            return told;
        });
    }

  private:
    std::unique_ptr<MoveRun> inner_;
    Move move_;
    std::function<void()> calling_;
};

}  // namespace

ForwardingFileSystem::ForwardingFileSystem()
    : native_(MakeNativeFileSystem()), inner_(native_.get()) {}

std::optional<bool> ForwardingFileSystem::IsFolder(std::u16string_view path) {
    return inner_->IsFolder(path);
}

std::optional<FileInfo> ForwardingFileSystem::ReadInfo(std::u16string_view path) {
    return inner_->ReadInfo(path);
}

bool ForwardingFileSystem::ListFolder(std::u16string_view folder, std::vector<FolderItem>& items) {
    return inner_->ListFolder(folder, items);
}

std::optional<FolderStamp> ForwardingFileSystem::ReadFolderStamp(std::u16string_view folder) {
    return inner_->ReadFolderStamp(folder);
}

bool ForwardingFileSystem::ListNames(std::u16string_view folder,
                                     std::vector<std::u16string>& names) {
    return inner_->ListNames(folder, names);
}

MoveOutcome ForwardingFileSystem::MoveNoReplace(std::u16string_view source,
                                                std::u16string_view target) {
    return Move(source, target, [&] { return inner_->MoveNoReplace(source, target); });
}

std::optional<FileIdentity> ForwardingFileSystem::ReadIdentity(std::u16string_view path) {
    return inner_->ReadIdentity(path);
}

std::vector<std::optional<FileIdentity>> ForwardingFileSystem::ReadIdentities(
    const std::vector<std::u16string_view>& paths) {
    return inner_->ReadIdentities(paths);
}

NameRuleSet ForwardingFileSystem::FolderNameRules(std::u16string_view folder) {
    return inner_->FolderNameRules(folder);
}

std::unique_ptr<MoveRun> ForwardingFileSystem::BeginMoves() {
    return std::make_unique<ForwardingMoveRun>(
        inner_->BeginMoves(),
        [this](std::u16string_view source, std::u16string_view target, const InnerMove& inner) {
            return Move(source, target, inner);
        },
        [this] { Calling(); });
}

}  // namespace morvalent::platform
