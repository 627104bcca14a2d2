#include <array>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>

#include "cli/CliTexts.h"
#include "cli/win32/ExplorerVerbs.h"
#include "platform/Text.h"
#include "platform/win32/UserRegistry.h"

namespace morvalent::cli {
namespace {

// Written by the installer too: one key name, so a copy installed and a copy
// registered by hand share one menu entry instead of showing two.
constexpr std::u16string_view kVerbKey = u"Morvalent";
constexpr std::u16string_view kVerbCaption = u"Morvalent로 이름 바꾸기";

struct VerbPlace {
    std::u16string_view shell;     // under the classes key
    std::u16string_view argument;  // what Explorer puts in the command line
    bool manyItems;                // offered for a selection of several items
};

// Explorer starts the command once per selected item; the window gathers them
// into one list. %V is the folder whose background was clicked.
constexpr std::array<VerbPlace, 3> kPlaces = {{
    {u"*\\shell", u"%1", true},
    {u"Directory\\shell", u"%1", true},
    {u"Directory\\Background\\shell", u"%V", false},
}};

std::u16string VerbPath(std::u16string_view classes, const VerbPlace& place) {
    return std::u16string(classes) + u"\\" + std::u16string(place.shell) + u"\\" +
           std::u16string(kVerbKey);
}

std::filesystem::path ShownPlace(const std::u16string& path) {
    return std::filesystem::path(u"HKEY_CURRENT_USER\\" + path);
}

// The values one verb key holds, and its command key's.
struct VerbValues {
    std::u16string caption;
    std::u16string icon;
    std::u16string command;
    bool manyItems;

    bool operator==(const VerbValues&) const = default;
};

VerbValues ValuesFor(const VerbPlace& place, std::u16string_view program) {
    const std::u16string path(program);
    return {std::u16string(kVerbCaption), path + u",0",
            u"\"" + path + u"\" \"" + std::u16string(place.argument) + u"\"", place.manyItems};
}

std::optional<VerbValues> ReadVerb(const std::u16string& path) {
    if (!platform::UserKeyExists(path)) return std::nullopt;
    return VerbValues{platform::ReadUserText(path, u"").value_or(u""),
                      platform::ReadUserText(path, u"Icon").value_or(u""),
                      platform::ReadUserText(path + u"\\command", u"").value_or(u""),
                      platform::ReadUserText(path, u"MultiSelectModel").value_or(u"") == u"Player"};
}

bool WriteVerb(const std::u16string& path, const VerbValues& values) {
    bool written = platform::WriteUserText(path, u"", values.caption) &&
                   platform::WriteUserText(path, u"Icon", values.icon);
    // Without this Explorer hides a verb from a selection of more than 15 items.
    if (values.manyItems) {
        written = written && platform::WriteUserText(path, u"MultiSelectModel", u"Player");
    }
    return written && platform::WriteUserText(path + u"\\command", u"", values.command);
}

// The keys above a verb that the install may have made (`*\\shell`,
// `Directory\\Background`) go too when nothing else is left in them.
void DeleteEmptyParents(std::u16string_view classes, std::u16string path) {
    for (;;) {
        path.resize(path.rfind(u'\\'));
        if (path.size() <= classes.size()) return;
        if (!platform::RemoveUserKeyIfEmpty(path)) return;
    }
}

// This copy's window program: morvalent.exe beside morvalent-cli.exe.
std::u16string ProgramBesideThis() {
    const std::u16string self = platform::RunningProgramPath();
    return self.substr(0, self.find_last_of(u"\\/") + 1) + u"morvalent.exe";
}

}  // namespace

std::vector<ActionResult> InstallExplorerVerbs(std::u16string_view classes,
                                               std::u16string_view program) {
    std::vector<ActionResult> results;
    for (const VerbPlace& place : kPlaces) {
        const std::u16string path = VerbPath(classes, place);
        const VerbValues wanted = ValuesFor(place, program);
        const std::optional<VerbValues> before = ReadVerb(path);
        ActionOutcome outcome = ActionOutcome::Created;
        if (before)
            outcome = *before == wanted ? ActionOutcome::Unchanged : ActionOutcome::Replaced;
        if (outcome != ActionOutcome::Unchanged && !WriteVerb(path, wanted)) {
            outcome = ActionOutcome::Failed;
        }
        results.push_back({ShownPlace(path), outcome});
    }
    return results;
}

std::vector<ActionResult> RemoveExplorerVerbs(std::u16string_view classes) {
    std::vector<ActionResult> results;
    for (const VerbPlace& place : kPlaces) {
        const std::u16string path = VerbPath(classes, place);
        ActionOutcome outcome = ActionOutcome::Failed;
        switch (platform::RemoveUserTree(path)) {
            case platform::KeyRemoval::Removed:
                outcome = ActionOutcome::Removed;
                DeleteEmptyParents(classes, path);
                break;
            case platform::KeyRemoval::NotThere:
                outcome = ActionOutcome::NotThere;
                break;
            case platform::KeyRemoval::Failed:
                break;
        }
        results.push_back({ShownPlace(path), outcome});
    }
    return results;
}

int RunInstallFileManagerActions(std::ostream& out, std::ostream& err) {
    const std::u16string program = ProgramBesideThis();
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(program), error)) {
        err << texts::kWindowProgramMissing << platform::Utf16ToUtf8Lossy(program) << '\n';
        err.flush();
        return 1;
    }
    return ReportActions(InstallExplorerVerbs(kUserClasses, program), out, err);
}

int RunRemoveFileManagerActions(std::ostream& out, std::ostream& err) {
    return ReportActions(RemoveExplorerVerbs(kUserClasses), out, err);
}

}  // namespace morvalent::cli
