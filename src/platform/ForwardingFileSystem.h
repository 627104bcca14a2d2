#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace morvalent::platform {

// A file system that passes every call on to an inner one (the native one unless
// given), runs of moves included, so the inner system's own MoveRun does the
// moves. A wrapper overrides only what it changes; every move, alone or in a run,
// passes through Move. The terminal's counting wrapper and the tests' doubles
// are made this way.
class ForwardingFileSystem : public FileSystem {
  public:
    ForwardingFileSystem();
    explicit ForwardingFileSystem(FileSystem& inner) : inner_(&inner) {}

    std::optional<bool> IsFolder(std::u16string_view path) override;
    std::optional<FileInfo> ReadInfo(std::u16string_view path) override;
    bool ListFolder(std::u16string_view folder, std::vector<FolderItem>& items) override;
    bool ListNames(std::u16string_view folder, std::vector<std::u16string>& names) override;
    std::optional<FolderStamp> ReadFolderStamp(std::u16string_view folder) override;
    MoveOutcome MoveNoReplace(std::u16string_view source, std::u16string_view target) final;
    std::optional<FileIdentity> ReadIdentity(std::u16string_view path) override;
    std::vector<std::optional<FileIdentity>> ReadIdentities(
        const std::vector<std::u16string_view>& paths) override;
    std::unique_ptr<MoveRun> BeginMoves() final;
    NameRuleSet FolderNameRules(std::u16string_view folder) override;

  protected:
    using InnerMove = std::function<MoveOutcome()>;
    // One move: `inner` makes it on the inner system (through the run when there is one).
    virtual MoveOutcome Move(std::u16string_view source, std::u16string_view target,
                             const InnerMove& inner) {
        (void)source;
        (void)target;
        return inner();
    }
    // Before each call of a run of moves (moves, identities, a copy told to the
    // witness and again after it): where a fault test stops the program.
    virtual void Calling() {}
    FileSystem& Inner() { return *inner_; }

  private:
    std::unique_ptr<FileSystem> native_;
    FileSystem* inner_;
};

}  // namespace morvalent::platform
