#include <windows.h>
// After windows.h, which it needs.
#include <shlwapi.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include "cli/CliTexts.h"
#include "cli/win32/ExplorerVerbs.h"
#include "platform/Text.h"

namespace morvalent::cli {
namespace {

// Written by the installer too: one key name, so a copy installed and a copy
// registered by hand share one menu entry instead of showing two.
constexpr std::wstring_view kVerbKey = L"Morvalent";
constexpr std::wstring_view kVerbCaption = L"Morvalent로 이름 바꾸기";

struct VerbPlace {
    std::wstring_view shell;     // under the classes key
    std::wstring_view argument;  // what Explorer puts in the command line
    bool manyItems;              // offered for a selection of several items
};

// Explorer starts the command once per selected item; the window gathers them
// into one list. %V is the folder whose background was clicked.
constexpr std::array<VerbPlace, 3> kPlaces = {{
    {L"*\\shell", L"%1", true},
    {L"Directory\\shell", L"%1", true},
    {L"Directory\\Background\\shell", L"%V", false},
}};

std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }

std::wstring VerbPath(std::u16string_view classes, const VerbPlace& place) {
    return Wide(classes) + L"\\" + std::wstring(place.shell) + L"\\" + std::wstring(kVerbKey);
}

std::filesystem::path ShownPlace(const std::wstring& path) {
    return std::filesystem::path(L"HKEY_CURRENT_USER\\" + path);
}

std::optional<std::wstring> ReadText(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ | RRF_NOEXPAND, &type, nullptr, &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ | RRF_NOEXPAND, &type, text.data(),
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(bytes / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

bool WriteText(HKEY key, const wchar_t* name, const std::wstring& text) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          DWORD((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// The values one verb key holds, and its command key's.
struct VerbValues {
    std::wstring caption;
    std::wstring icon;
    std::wstring command;
    bool manyItems;
};

VerbValues ValuesFor(const VerbPlace& place, const std::wstring& program) {
    return {std::wstring(kVerbCaption), program + L",0",
            L"\"" + program + L"\" \"" + std::wstring(place.argument) + L"\"", place.manyItems};
}

std::optional<VerbValues> ReadVerb(const std::wstring& path) {
    HKEY verb = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &verb) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    VerbValues values{ReadText(verb, nullptr).value_or(L""), ReadText(verb, L"Icon").value_or(L""),
                      L"", ReadText(verb, L"MultiSelectModel").value_or(L"") == L"Player"};
    HKEY command = nullptr;
    if (RegOpenKeyExW(verb, L"command", 0, KEY_READ, &command) == ERROR_SUCCESS) {
        values.command = ReadText(command, nullptr).value_or(L"");
        RegCloseKey(command);
    }
    RegCloseKey(verb);
    return values;
}

bool WriteVerb(const std::wstring& path, const VerbValues& values) {
    HKEY verb = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &verb,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool written =
        WriteText(verb, nullptr, values.caption) && WriteText(verb, L"Icon", values.icon);
    // Without this Explorer hides a verb from a selection of more than 15 items.
    if (values.manyItems) written = written && WriteText(verb, L"MultiSelectModel", L"Player");
    HKEY command = nullptr;
    if (written && RegCreateKeyExW(verb, L"command", 0, nullptr, 0, KEY_WRITE, nullptr, &command,
                                   nullptr) == ERROR_SUCCESS) {
        written = WriteText(command, nullptr, values.command);
        RegCloseKey(command);
    } else {
        written = false;
    }
    RegCloseKey(verb);
    return written;
}

// The keys above a verb that the install may have made (`*\\shell`,
// `Directory\\Background`) go too when nothing else is left in them.
void DeleteEmptyParents(std::u16string_view classes, std::wstring path) {
    const std::wstring top = Wide(classes);
    for (;;) {
        path.resize(path.rfind(L'\\'));
        if (path.size() <= top.size()) return;
        if (SHDeleteEmptyKeyW(HKEY_CURRENT_USER, path.c_str()) != ERROR_SUCCESS) return;
    }
}

// This copy's window program: morvalent.exe beside morvalent-cli.exe.
std::wstring ProgramBesideThis() {
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, self.data(), DWORD(self.size()));
        if (length < self.size()) {
            self.resize(length);
            break;
        }
        self.resize(self.size() * 2);
    }
    return self.substr(0, self.find_last_of(L"\\/") + 1) + L"morvalent.exe";
}

}  // namespace

std::vector<ActionResult> InstallExplorerVerbs(std::u16string_view classes,
                                               std::u16string_view program) {
    std::vector<ActionResult> results;
    for (const VerbPlace& place : kPlaces) {
        const std::wstring path = VerbPath(classes, place);
        const VerbValues wanted = ValuesFor(place, Wide(program));
        const std::optional<VerbValues> before = ReadVerb(path);
        ActionOutcome outcome = ActionOutcome::Created;
        if (before) {
            const bool same = before->caption == wanted.caption && before->icon == wanted.icon &&
                              before->command == wanted.command &&
                              before->manyItems == wanted.manyItems;
            outcome = same ? ActionOutcome::Unchanged : ActionOutcome::Replaced;
        }
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
        const std::wstring path = VerbPath(classes, place);
        const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
        ActionOutcome outcome = ActionOutcome::Failed;
        if (status == ERROR_SUCCESS) {
            outcome = ActionOutcome::Removed;
        } else if (status == ERROR_FILE_NOT_FOUND) {
            outcome = ActionOutcome::NotThere;
        }
        if (outcome == ActionOutcome::Removed) DeleteEmptyParents(classes, path);
        results.push_back({ShownPlace(path), outcome});
    }
    return results;
}

int RunInstallFileManagerActions(std::ostream& out, std::ostream& err) {
    const std::wstring program = ProgramBesideThis();
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        err << texts::kWindowProgramMissing
            << platform::Utf16ToUtf8Lossy(std::u16string(program.begin(), program.end())) << '\n';
        err.flush();
        return 1;
    }
    return ReportActions(
        InstallExplorerVerbs(kUserClasses, std::u16string(program.begin(), program.end())), out,
        err);
}

int RunRemoveFileManagerActions(std::ostream& out, std::ostream& err) {
    return ReportActions(RemoveExplorerVerbs(kUserClasses), out, err);
}

}  // namespace morvalent::cli
