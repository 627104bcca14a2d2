#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace morvalent::platform {

class PosixFileSystem : public FileSystem {
  public:
    std::optional<bool> IsFolder(std::u16string_view path) override;
    std::optional<FileInfo> ReadInfo(std::u16string_view path) override;
    bool ListFolder(std::u16string_view folder, std::vector<FolderItem>& items) override;
    bool ListNames(std::u16string_view folder, std::vector<std::u16string>& names) override;
    MoveOutcome MoveNoReplace(std::u16string_view source, std::u16string_view target) override;
    std::optional<FileIdentity> ReadIdentity(std::u16string_view path) override;
    std::optional<FolderStamp> ReadFolderStamp(std::u16string_view folder) override;
    std::vector<std::optional<FileIdentity>> ReadIdentities(
        const std::vector<std::u16string_view>& paths) override;
    std::unique_ptr<MoveRun> BeginMoves() override;
    NameRuleSet FolderNameRules(std::u16string_view folder) override;
};

// The rules of a file system by its type: the statfs magic number and, for FUSE,
// whose drivers share one, the type the mount table gives ("fuseblk", "fuse.exfat").
NameRuleSet NameRulesOfFileSystem(unsigned long magic, std::string_view mountType);
// The rules of the file system holding the open folder.
NameRuleSet NameRulesAt(int folder);

// The move without replacing, on native (byte) paths. Defined in its own file.
MoveOutcome MoveNoReplaceNative(const std::string& source, const std::string& target);
// The native path of a moved item; nothing when it names no item (a zero byte
// would end it early and name another).
std::optional<std::string> NativeMovePath(std::u16string_view path);
// The identity of `name` in the open folder (or of a whole path with AT_FDCWD).
std::optional<FileIdentity> IdentityAt(int folder, const char* name);

}  // namespace morvalent::platform
