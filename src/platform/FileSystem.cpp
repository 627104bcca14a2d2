#include "platform/FileSystem.h"

namespace morvalent::platform {
namespace {

class PathMoveRun : public MoveRun {
  public:
    explicit PathMoveRun(FileSystem& fs) : fs_(fs) {}
    MoveOutcome MoveNoReplace(std::u16string_view source, std::u16string_view target) override {
        return fs_.MoveNoReplace(source, target);
    }
    std::optional<FileIdentity> ReadIdentity(std::u16string_view path) override {
        return fs_.ReadIdentity(path);
    }

  private:
    FileSystem& fs_;
};

}  // namespace

bool FileSystem::ListNames(std::u16string_view folder, std::vector<std::u16string>& names) {
    names.clear();
    std::vector<FolderItem> items;
    if (!ListFolder(folder, items)) return false;
    names.reserve(items.size());
    for (FolderItem& item : items) names.push_back(std::move(item.name));
    return true;
}

std::unique_ptr<MoveRun> FileSystem::BeginMoves() { return std::make_unique<PathMoveRun>(*this); }

MoveError MoveErrorOf(const MoveOutcome& outcome) {
    MoveError error = DescribeSystemError(outcome.error);
    // The result says more than the number where the system told it by other means.
    switch (outcome.result) {
        case MoveResult::TargetExists:
            error.cause = MoveCause::TargetExists;
            break;
        case MoveResult::SourceMissing:
            error.cause = MoveCause::NotFound;
            break;
        case MoveResult::FolderAcrossDevices:
            error.cause = MoveCause::CrossDevice;
            break;
        case MoveResult::Moved:
        case MoveResult::Failed:
            break;
    }
    return error;
}

}  // namespace morvalent::platform
