#include "cli/posix/XdgActions.h"

#include <cstdlib>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/CliTexts.h"
#include "platform/Text.h"
#include "platform/TextFiles.h"

namespace morvalent::cli {
namespace {

// The same application id names the desktop entry, the icon and the actions.
constexpr std::string_view kActionId = "io.github.morvalent.Morvalent";

constexpr std::string_view kNautilusScriptName = "Morvalent로 이름 바꾸기";
// Nautilus runs a script in the shown folder with the selected names as its
// arguments; "--" keeps a name that starts with "-" a name.
constexpr std::string_view kNautilusScript =
    "#!/bin/sh\n"
    "# Morvalent: the selected files and folders go to its list.\n"
    "exec morvalent -- \"$@\"\n";

constexpr std::string_view kThunarAction =
    "<action>\n"
    "\t<icon>io.github.morvalent.Morvalent</icon>\n"
    "\t<name>Morvalent로 이름 바꾸기</name>\n"
    "\t<submenu></submenu>\n"
    "\t<unique-id>io.github.morvalent.Morvalent</unique-id>\n"
    "\t<command>morvalent -- %F</command>\n"
    "\t<description>선택한 파일과 폴더의 이름을 Morvalent에서 바꿉니다</description>\n"
    "\t<range></range>\n"
    "\t<patterns>*</patterns>\n"
    "\t<directories/>\n"
    "\t<audio-files/>\n"
    "\t<image-files/>\n"
    "\t<other-files/>\n"
    "\t<text-files/>\n"
    "\t<video-files/>\n"
    "</action>\n";

// The file system's bytes, escaped where they are not UTF-8, so they round-trip.
std::u16string PathText(const std::filesystem::path& path) {
    return platform::Utf8ToUtf16(path.native());
}

// The whole file; none when it does not exist as a plain readable file.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    platform::InputFile file(PathText(path));
    if (!file.IsOpen()) return std::nullopt;
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const std::optional<std::size_t> got = file.Read(buffer, sizeof buffer);
        if (!got) return std::nullopt;
        bytes.append(buffer, *got);
        if (*got < sizeof buffer) return bytes;
    }
}

bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    platform::ReplacingFile file(PathText(path));
    return file.IsOpen() && file.Write(bytes) && file.Commit();
}

std::filesystem::path NautilusScriptPath(const UserFolders& folders) {
    return folders.dataHome / "nautilus" / "scripts" /
           std::filesystem::path(
               std::u8string(kNautilusScriptName.begin(), kNautilusScriptName.end()));
}

std::filesystem::path ThunarActionsPath(const UserFolders& folders) {
    return folders.configHome / "Thunar" / "uca.xml";
}

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() !=
           std::filesystem::file_type::not_found;
}

ActionResult InstallNautilusScript(const UserFolders& folders) {
    const std::filesystem::path path = NautilusScriptPath(folders);
    std::error_code error;
    if (Exists(path)) {
        const std::optional<std::string> existing = ReadWholeFile(path);
        if (existing == kNautilusScript) return {path, ActionOutcome::Unchanged};
        return {path, ActionOutcome::KeptOther};
    }
    if (!WriteWholeFile(path, kNautilusScript)) return {path, ActionOutcome::Failed};
    // Nautilus lists only scripts it can run.
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_exec |
                                     std::filesystem::perms::group_exec |
                                     std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add, error);
    return {path, error ? ActionOutcome::Failed : ActionOutcome::Created};
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

ActionResult InstallThunarAction(const UserFolders& folders) {
    const std::filesystem::path path = ThunarActionsPath(folders);
    const bool exists = Exists(path);
    std::optional<std::string> existing;
    if (exists) {
        existing = ReadWholeFile(path);
        if (!existing) return {path, ActionOutcome::Failed};
    }
    if (!existing || IsBlank(*existing)) {
        const std::string fresh = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n" +
                                  std::string(kThunarAction) + "</actions>\n";
        if (!WriteWholeFile(path, fresh)) return {path, ActionOutcome::Failed};
        return {path, exists ? ActionOutcome::Added : ActionOutcome::Created};
    }
    const std::string idElement = "<unique-id>" + std::string(kActionId) + "</unique-id>";
    if (existing->find(idElement) != std::string::npos) return {path, ActionOutcome::Unchanged};
    // The user's actions stay as they are, byte for byte; ours goes in last.
    const std::size_t end = existing->rfind("</actions>");
    if (end == std::string::npos) return {path, ActionOutcome::NotUnderstood};
    std::string merged = existing->substr(0, end);
    if (!merged.empty() && merged.back() != '\n') merged += '\n';
    merged += kThunarAction;
    merged += existing->substr(end);
    if (!WriteWholeFile(path, merged)) return {path, ActionOutcome::Failed};
    return {path, ActionOutcome::Added};
}

ActionResult RemoveNautilusScript(const UserFolders& folders) {
    const std::filesystem::path path = NautilusScriptPath(folders);
    if (!Exists(path)) return {path, ActionOutcome::NotThere};
    // A script of that name that the user wrote or changed is theirs.
    if (ReadWholeFile(path) != kNautilusScript) return {path, ActionOutcome::KeptOther};
    std::error_code error;
    std::filesystem::remove(path, error);
    return {path, error ? ActionOutcome::Failed : ActionOutcome::Removed};
}

ActionResult RemoveThunarAction(const UserFolders& folders) {
    const std::filesystem::path path = ThunarActionsPath(folders);
    if (!Exists(path)) return {path, ActionOutcome::NotThere};
    const std::optional<std::string> existing = ReadWholeFile(path);
    if (!existing) return {path, ActionOutcome::Failed};
    const std::string idElement = "<unique-id>" + std::string(kActionId) + "</unique-id>";
    const std::size_t id = existing->find(idElement);
    if (id == std::string::npos) return {path, ActionOutcome::NotThere};
    // Our action is the <action> element around our id, however Thunar has laid
    // it out since (it rewrites the file when the user edits any action).
    constexpr std::string_view kOpen = "<action>";
    constexpr std::string_view kClose = "</action>";
    std::size_t begin = existing->rfind(kOpen, id);
    std::size_t end = existing->find(kClose, id);
    if (begin == std::string::npos || end == std::string::npos ||
        existing->find(kClose, begin) < id) {
        return {path, ActionOutcome::NotUnderstood};
    }
    end += kClose.size();
    // The element's own line goes with it when nothing else is on that line.
    std::size_t lineStart = begin;
    while (lineStart > 0 &&
           ((*existing)[lineStart - 1] == ' ' || (*existing)[lineStart - 1] == '\t'))
        --lineStart;
    if (lineStart == 0 || (*existing)[lineStart - 1] == '\n') {
        std::size_t lineEnd = end;
        while (lineEnd < existing->size() &&
               ((*existing)[lineEnd] == ' ' || (*existing)[lineEnd] == '\t'))
            ++lineEnd;
        if (lineEnd == existing->size() || (*existing)[lineEnd] == '\n') {
            begin = lineStart;
            end = lineEnd < existing->size() ? lineEnd + 1 : lineEnd;
        }
    }
    const std::string kept = existing->substr(0, begin) + existing->substr(end);
    if (!WriteWholeFile(path, kept)) return {path, ActionOutcome::Failed};
    return {path, ActionOutcome::Removed};
}

}  // namespace

std::optional<UserFolders> UserFoldersFromEnvironment() {
    auto variable = [](const char* name) -> std::filesystem::path {
        const char* value = std::getenv(name);
        // XDG folders given as relative paths are to be ignored.
        if (value == nullptr || value[0] != '/') return {};
        return value;
    };
    const std::filesystem::path home = variable("HOME");
    std::filesystem::path data = variable("XDG_DATA_HOME");
    std::filesystem::path config = variable("XDG_CONFIG_HOME");
    if (home.empty() && (data.empty() || config.empty())) return std::nullopt;
    if (data.empty()) data = home / ".local" / "share";
    if (config.empty()) config = home / ".config";
    return UserFolders{data, config};
}

std::vector<ActionResult> InstallFileManagerActions(const UserFolders& folders) {
    return {InstallNautilusScript(folders), InstallThunarAction(folders)};
}

std::vector<ActionResult> RemoveFileManagerActions(const UserFolders& folders) {
    return {RemoveNautilusScript(folders), RemoveThunarAction(folders)};
}

int RunInstallFileManagerActions(std::ostream& out, std::ostream& err) {
    const std::optional<UserFolders> folders = UserFoldersFromEnvironment();
    if (!folders) {
        err << texts::kNoHomeFolder << '\n';
        return 1;
    }
    const std::vector<ActionResult> results = InstallFileManagerActions(*folders);
    const int status = ReportActions(results, out, err);
    const ActionOutcome thunar = results[1].outcome;
    if (thunar == ActionOutcome::Created || thunar == ActionOutcome::Added) {
        out << texts::kRestartThunar << '\n';
        out.flush();
    }
    return status;
}

int RunRemoveFileManagerActions(std::ostream& out, std::ostream& err) {
    const std::optional<UserFolders> folders = UserFoldersFromEnvironment();
    if (!folders) {
        err << texts::kNoHomeFolderToRemove << '\n';
        return 1;
    }
    const std::vector<ActionResult> results = RemoveFileManagerActions(*folders);
    const int status = ReportActions(results, out, err);
    if (results[1].outcome == ActionOutcome::Removed) {
        out << texts::kRestartThunarAfterRemoval << '\n';
        out.flush();
    }
    return status;
}

}  // namespace morvalent::cli
