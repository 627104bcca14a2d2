#include <windows.h>

#include <cctype>

#include "platform/Path.h"
#include "platform/win32/PathForms.h"
#include "platform/win32/WideText.h"

namespace morvalent::platform {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

std::u16string CurrentFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = GetCurrentDirectoryW(DWORD(folder.size()), folder.data());
    if (length >= folder.size()) {
        folder.resize(length);
        length = GetCurrentDirectoryW(DWORD(folder.size()), folder.data());
    }
    folder.resize(length < folder.size() ? length : 0);
    return FromWide(folder);
}

// The current folder Windows keeps for drive `drive` ("D:" alone names it). Only
// the drive goes to the system, never a name of the user's, whose trailing dot or
// space the system would drop.
std::u16string DriveFolder(char16_t drive) {
    const wchar_t alone[] = {wchar_t(drive), L':', L'\0'};
    std::wstring full(MAX_PATH, L'\0');
    const DWORD length = GetFullPathNameW(alone, DWORD(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return std::u16string{drive, u':', u'\\'};
    full.resize(length);
    return FromWide(full);
}

// "\\?\C:\a" -> "C:\a" and "\\?\UNC\s\h\a" -> "\\s\h\a": the form every other
// way in gives, so one item never has two spellings. Device paths stay.
std::u16string_view WithoutExtendedPrefix(std::u16string_view path, std::u16string& room) {
    if (path.size() < 7 || path.substr(0, 4) != u"\\\\?\\") return path;
    const std::u16string_view rest = path.substr(4);
    if (rest.size() >= 3 && rest[1] == u':' && IsSeparator(rest[2])) return rest;
    if (rest.size() > 4 && (rest[0] == u'U' || rest[0] == u'u') &&
        (rest[1] == u'N' || rest[1] == u'n') && (rest[2] == u'C' || rest[2] == u'c') &&
        rest[3] == u'\\') {
        room = u"\\\\" + std::u16string(rest.substr(4));
        return room;
    }
    return path;
}

// The spelling under which the file system keeps the item `name` inside `folder`
// (its long name in its stored letter case); nothing when there is none.
std::optional<std::u16string> StoredName(const std::u16string& folder, std::u16string_view name) {
    // The search reads these as wildcards; no name on disk holds them.
    if (name.empty() || name == u"." || name == u".." ||
        name.find_first_of(u"*?<>\"") != std::u16string_view::npos) {
        return std::nullopt;
    }
    std::u16string whole = folder;
    if (!IsSeparator(whole.back())) whole.push_back(u'\\');
    whole += name;
    const auto wide = ExtendedPath(whole);
    if (!wide) return std::nullopt;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(wide->c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    return FromWide(data.cFileName);
}

// The whole path with every part as stored on disk, as far as the parts exist.
// Rows of one folder usually come one after another: the folder last resolved is
// kept.
std::u16string AsStored(const std::u16string& path) {
    thread_local std::u16string lastTyped;
    thread_local std::u16string lastStored;
    const std::size_t nameStart = path.find_last_of(u'\\') + 1;
    std::u16string folder = path.substr(0, nameStart);
    if (folder.size() > 3 && folder.back() == u'\\') folder.pop_back();
    std::u16string stored;
    if (folder == lastTyped) {
        stored = lastStored;
    } else {
        // Root first: "C:\" or "\\server\share".
        std::size_t at = 3;
        if (IsSeparator(folder[0])) {
            at = folder.find(u'\\', folder.find(u'\\', 2) + 1);
            if (at == std::u16string::npos) at = folder.size();
        }
        stored = folder.substr(0, std::min(at, folder.size()));
        if (stored.size() >= 2 && stored[1] == u':') {
            stored[0] = char16_t(std::toupper(static_cast<unsigned char>(stored[0])));
        }
        bool found = true;
        while (at < folder.size()) {
            if (folder[at] == u'\\') ++at;
            std::size_t end = folder.find(u'\\', at);
            if (end == std::u16string::npos) end = folder.size();
            const std::u16string_view part = std::u16string_view(folder).substr(at, end - at);
            std::optional<std::u16string> name = found ? StoredName(stored, part) : std::nullopt;
            found = name.has_value();
            if (!IsSeparator(stored.back())) stored.push_back(u'\\');
            stored += found ? *name : std::u16string(part);
            at = end;
        }
        lastTyped = folder;
        lastStored = stored;
    }
    if (nameStart == 0 || nameStart == path.size()) return stored;
    const std::u16string_view name = std::u16string_view(path).substr(nameStart);
    const auto storedName = StoredName(stored, name);
    if (!IsSeparator(stored.back())) stored.push_back(u'\\');
    stored += storedName ? *storedName : std::u16string(name);
    return stored;
}

}  // namespace

// Made whole by the text, the way Windows reads it, without GetFullPathNameW on the
// user's text: it drops a trailing dot or space from every name, and "trail " would
// become its neighbour "trail".
std::u16string FullPath(std::u16string_view path) {
    if (path.empty() || !WidePath(path)) return std::u16string(path);
    std::u16string room;
    path = WithoutExtendedPrefix(path, room);
    if (path.size() >= 4 && path[0] == u'\\' && path[1] == u'\\' &&
        (path[2] == u'?' || path[2] == u'.') && path[3] == u'\\') {
        return std::u16string(path);
    }
    std::u16string whole;
    if (IsAbsolutePath(path)) {
        whole = std::u16string(path);
    } else if (path.size() >= 2 && path[1] == u':') {
        whole = DriveFolder(path[0]) + u'\\' + std::u16string(path.substr(2));
    } else if (IsSeparator(path[0])) {
        const std::u16string current = CurrentFolder();
        whole = (current.size() >= 2 && current[1] == u':' ? current.substr(0, 2)
                                                           : current.substr(0, 0)) +
                std::u16string(path);
    } else {
        whole = CurrentFolder() + u'\\' + std::u16string(path);
    }
    std::u16string tidy = TidyAbsolutePath(whole);
    // "C:\" keeps its separator: "C:" alone is the current folder of drive C.
    while (tidy.size() > 3 && IsSeparator(tidy.back())) tidy.pop_back();
    return tidy;
}

// Whole, and spelled as the file system stores it: "LONG~D5D.TXT" and "A.TXT" for
// "a.txt" would otherwise give the item a name it never had, in the commit, in the
// journal and in undo.
std::u16string NormalisePath(std::u16string_view path) {
    if (path.empty()) return {};
    std::u16string full = FullPath(path);
    if (!IsAbsolutePath(full) || full.starts_with(u"\\\\?\\") || full.starts_with(u"\\\\.\\")) {
        return full;
    }
    return AsStored(full);
}

std::u16string_view NormalisePath(std::u16string_view path, std::u16string& room) {
    room = NormalisePath(path);
    return room;
}

}  // namespace morvalent::platform
