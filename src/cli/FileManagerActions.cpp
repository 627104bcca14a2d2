#include "cli/FileManagerActions.h"

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

std::u16string PathText(const std::filesystem::path& path) {
#if defined(_WIN32)
    return std::u16string(path.native().begin(), path.native().end());
#else
    // The file system's bytes, escaped where they are not UTF-8, so they round-trip.
    return platform::Utf8ToUtf16(path.native());
#endif
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

ActionResult InstallNautilusScript(const UserFolders& folders) {
    const std::filesystem::path path = folders.dataHome / "nautilus" / "scripts" /
                                       std::filesystem::path(std::u8string(
                                           kNautilusScriptName.begin(), kNautilusScriptName.end()));
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() !=
        std::filesystem::file_type::not_found) {
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
    const std::filesystem::path path = folders.configHome / "Thunar" / "uca.xml";
    std::error_code error;
    const bool exists = std::filesystem::symlink_status(path, error).type() !=
                        std::filesystem::file_type::not_found;
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

const char* OutcomeText(ActionOutcome outcome) {
    switch (outcome) {
        case ActionOutcome::Created:
            return texts::kActionCreated;
        case ActionOutcome::Added:
            return texts::kActionAdded;
        case ActionOutcome::Unchanged:
            return texts::kActionUnchanged;
        case ActionOutcome::KeptOther:
            return texts::kActionKeptOther;
        case ActionOutcome::NotUnderstood:
            return texts::kActionNotUnderstood;
        case ActionOutcome::Failed:
            break;
    }
    return texts::kActionFailed;
}

bool Installed(ActionOutcome outcome) {
    return outcome == ActionOutcome::Created || outcome == ActionOutcome::Added ||
           outcome == ActionOutcome::Unchanged;
}

}  // namespace

std::optional<UserFolders> UserFoldersFromEnvironment() {
#if defined(_WIN32)
    return std::nullopt;
#else
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
#endif
}

std::vector<ActionResult> InstallFileManagerActions(const UserFolders& folders) {
    return {InstallNautilusScript(folders), InstallThunarAction(folders)};
}

int RunInstallFileManagerActions(std::ostream& out, std::ostream& err) {
    const std::optional<UserFolders> folders = UserFoldersFromEnvironment();
    if (!folders) {
        err << texts::kNoHomeFolder << '\n';
        return 1;
    }
    int status = 0;
    bool thunarChanged = false;
    for (const ActionResult& result : InstallFileManagerActions(*folders)) {
        std::ostream& stream = Installed(result.outcome) ? out : err;
        stream << OutcomeText(result.outcome) << platform::Utf16ToUtf8Lossy(PathText(result.path))
               << '\n';
        if (!Installed(result.outcome)) status = 1;
        if (result.path.filename() == "uca.xml" &&
            (result.outcome == ActionOutcome::Created || result.outcome == ActionOutcome::Added)) {
            thunarChanged = true;
        }
    }
    if (thunarChanged) out << texts::kRestartThunar << '\n';
    out.flush();
    err.flush();
    return status;
}

}  // namespace morvalent::cli
