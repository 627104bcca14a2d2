#include "cli/CountingFileSystem.h"

namespace morvalent::cli {
namespace {

// The inner system's run, each move counted like one by path.
class CountingMoveRun : public platform::MoveRun {
  public:
    CountingMoveRun(std::unique_ptr<platform::MoveRun> inner, std::size_t& count)
        : inner_(std::move(inner)), count_(count) {}
    platform::MoveOutcome MoveNoReplace(std::u16string_view source,
                                        std::u16string_view target) override {
        ++count_;
        return inner_->MoveNoReplace(source, target);
    }
    std::optional<platform::FileIdentity> ReadIdentity(std::u16string_view path) override {
        return inner_->ReadIdentity(path);
    }
    void FoldersMoved() override { inner_->FoldersMoved(); }
    void WatchCopies(CopyWitness witness) override { inner_->WatchCopies(std::move(witness)); }

  private:
    std::unique_ptr<platform::MoveRun> inner_;
    std::size_t& count_;
};

}  // namespace

std::optional<bool> CountingFileSystem::IsFolder(std::u16string_view path) {
    return inner_.IsFolder(path);
}

std::optional<platform::FileInfo> CountingFileSystem::ReadInfo(std::u16string_view path) {
    ++count_;
    return inner_.ReadInfo(path);
}

bool CountingFileSystem::ListFolder(std::u16string_view folder,
                                    std::vector<platform::FolderItem>& items) {
    // The listing replaces what `items` held.
    const bool listed = inner_.ListFolder(folder, items);
    count_ += items.size();
    return listed;
}

// Passed on, or the inner system's names-only listing would be bypassed for a
// full one that reads every entry's details.
bool CountingFileSystem::ListNames(std::u16string_view folder, std::vector<std::u16string>& names) {
    const bool listed = inner_.ListNames(folder, names);
    count_ += names.size();
    return listed;
}

platform::MoveOutcome CountingFileSystem::MoveNoReplace(std::u16string_view source,
                                                        std::u16string_view target) {
    ++count_;
    return inner_.MoveNoReplace(source, target);
}

std::optional<platform::FileIdentity> CountingFileSystem::ReadIdentity(std::u16string_view path) {
    return inner_.ReadIdentity(path);
}

std::vector<std::optional<platform::FileIdentity>> CountingFileSystem::ReadIdentities(
    const std::vector<std::u16string_view>& paths) {
    return inner_.ReadIdentities(paths);
}

std::unique_ptr<platform::MoveRun> CountingFileSystem::BeginMoves() {
    return std::make_unique<CountingMoveRun>(inner_.BeginMoves(), count_);
}

}  // namespace morvalent::cli
