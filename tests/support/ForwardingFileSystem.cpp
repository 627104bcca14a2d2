#include "support/ForwardingFileSystem.h"

namespace morvalent::testing {
namespace {

class ForwardingMoveRun : public platform::MoveRun {
  public:
    using Move = std::function<platform::MoveOutcome(
        std::u16string_view, std::u16string_view, const std::function<platform::MoveOutcome()>&)>;
    ForwardingMoveRun(std::unique_ptr<platform::MoveRun> inner, Move move,
                      std::function<void()> calling)
        : inner_(std::move(inner)), move_(std::move(move)), calling_(std::move(calling)) {}

    platform::MoveOutcome MoveNoReplace(std::u16string_view source,
                                        std::u16string_view target) override {
        calling_();
        return move_(source, target, [&] { return inner_->MoveNoReplace(source, target); });
    }
    std::optional<platform::FileIdentity> ReadIdentity(std::u16string_view path) override {
        calling_();
        return inner_->ReadIdentity(path);
    }
    void FoldersMoved() override { inner_->FoldersMoved(); }
    void WatchCopies(CopyWitness witness) override {
        // A stop may come just before the witness hears of a copy, or just after.
        inner_->WatchCopies([this, witness = std::move(witness)](const auto& copy) {
            calling_();
            const bool told = witness(copy);
            calling_();
            return told;
        });
    }

  private:
    std::unique_ptr<platform::MoveRun> inner_;
    Move move_;
    std::function<void()> calling_;
};

}  // namespace

ForwardingFileSystem::ForwardingFileSystem()
    : native_(platform::MakeNativeFileSystem()), inner_(native_.get()) {}

std::optional<bool> ForwardingFileSystem::IsFolder(std::u16string_view path) {
    return inner_->IsFolder(path);
}

std::optional<platform::FileInfo> ForwardingFileSystem::ReadInfo(std::u16string_view path) {
    return inner_->ReadInfo(path);
}

bool ForwardingFileSystem::ListFolder(std::u16string_view folder,
                                      std::vector<platform::FolderItem>& items) {
    return inner_->ListFolder(folder, items);
}

bool ForwardingFileSystem::ListNames(std::u16string_view folder,
                                     std::vector<std::u16string>& names) {
    return inner_->ListNames(folder, names);
}

platform::MoveOutcome ForwardingFileSystem::MoveNoReplace(std::u16string_view source,
                                                          std::u16string_view target) {
    return Move(source, target, [&] { return inner_->MoveNoReplace(source, target); });
}

std::optional<platform::FileIdentity> ForwardingFileSystem::ReadIdentity(std::u16string_view path) {
    return inner_->ReadIdentity(path);
}

std::vector<std::optional<platform::FileIdentity>> ForwardingFileSystem::ReadIdentities(
    const std::vector<std::u16string_view>& paths) {
    return inner_->ReadIdentities(paths);
}

std::unique_ptr<platform::MoveRun> ForwardingFileSystem::BeginMoves() {
    return std::make_unique<ForwardingMoveRun>(
        inner_->BeginMoves(),
        [this](std::u16string_view source, std::u16string_view target, const InnerMove& inner) {
            return Move(source, target, inner);
        },
        [this] { Calling(); });
}

}  // namespace morvalent::testing
