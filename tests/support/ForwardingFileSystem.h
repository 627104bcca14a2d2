#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace morvalent::testing {

// The one base of the tests' file systems: passes every call on to an inner file
// system (the native one unless given), runs of moves included, so a test runs the
// same MoveRun the program runs. A double overrides only what it changes; every
// move, alone or in a run, passes through Move.
class ForwardingFileSystem : public platform::FileSystem {
  public:
    ForwardingFileSystem();
    explicit ForwardingFileSystem(platform::FileSystem& inner) : inner_(&inner) {}

    std::optional<bool> IsFolder(std::u16string_view path) override;
    std::optional<platform::FileInfo> ReadInfo(std::u16string_view path) override;
    bool ListFolder(std::u16string_view folder, std::vector<platform::FolderItem>& items) override;
    bool ListNames(std::u16string_view folder, std::vector<std::u16string>& names) override;
    platform::MoveOutcome MoveNoReplace(std::u16string_view source,
                                        std::u16string_view target) final;
    std::optional<platform::FileIdentity> ReadIdentity(std::u16string_view path) override;
    std::vector<std::optional<platform::FileIdentity>> ReadIdentities(
        const std::vector<std::u16string_view>& paths) override;
    std::unique_ptr<platform::MoveRun> BeginMoves() final;

  protected:
    using InnerMove = std::function<platform::MoveOutcome()>;
    // One move: `inner` makes it on the inner system (through the run when there is one).
    virtual platform::MoveOutcome Move(std::u16string_view source, std::u16string_view target,
                                       const InnerMove& inner) {
        (void)source;
        (void)target;
        return inner();
    }
    // Before each call of a run of moves (moves, identities, a copy told to the
    // witness and again after it): where a fault test stops the program.
    virtual void Calling() {}
    platform::FileSystem& Inner() { return *inner_; }

  private:
    std::unique_ptr<platform::FileSystem> native_;
    platform::FileSystem* inner_;
};

}  // namespace morvalent::testing
