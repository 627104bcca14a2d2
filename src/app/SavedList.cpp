#include "app/SavedList.h"

#include <cstdint>
#include <cstring>

#include "platform/DurableFiles.h"
#include "platform/Path.h"
#include "platform/StateFolder.h"
#include "platform/TextFiles.h"

namespace morvalent::app {
namespace {

constexpr std::string_view kMagic = "MORVALENT-LIST 1\n";
constexpr std::uint8_t kSelected = 1;
constexpr std::uint8_t kHasFolder = 2;

template <typename T>
void Put(std::string& out, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

void PutUnits(std::string& out, std::u16string_view text) {
    out.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
}

// Reads from the front of `rest`; false when it is too short.
template <typename T>
bool Take(std::string_view& rest, T& value) {
    if (rest.size() < sizeof(T)) return false;
    std::memcpy(&value, rest.data(), sizeof(T));
    rest.remove_prefix(sizeof(T));
    return true;
}

bool TakeUnits(std::string_view& rest, std::uint32_t length, std::u16string& text) {
    const std::size_t bytes = std::size_t(length) * sizeof(char16_t);
    if (rest.size() < bytes) return false;
    text.resize(length);
    std::memcpy(text.data(), rest.data(), bytes);
    rest.remove_prefix(bytes);
    return true;
}

}  // namespace

std::string SerialiseList(const filelist::FileList& list, platform::FileTime savedAt) {
    // One pass for the size and one to copy: no growing of a buffer that may be
    // hundreds of megabytes.
    std::size_t size = kMagic.size() + 2 * sizeof(std::uint64_t);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const filelist::Row& row = list.At(i);
        size += 1 + 3 * sizeof(std::uint32_t) +
                (row.entry.path.size() + row.newName.size() +
                 (row.hasFolderOverride ? row.folderOverride.size() : 0)) *
                    sizeof(char16_t);
    }
    std::string out;
    out.reserve(size);
    out.append(kMagic);
    Put<std::int64_t>(out, savedAt);
    Put<std::uint64_t>(out, list.Count());
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const filelist::Row& row = list.At(i);
        const std::u16string_view folder =
            row.hasFolderOverride ? std::u16string_view(row.folderOverride) : std::u16string_view();
        Put<std::uint8_t>(out, std::uint8_t((row.selected ? kSelected : 0) |
                                            (row.hasFolderOverride ? kHasFolder : 0)));
        Put<std::uint32_t>(out, std::uint32_t(row.entry.path.size()));
        Put<std::uint32_t>(out, std::uint32_t(row.newName.size()));
        Put<std::uint32_t>(out, std::uint32_t(folder.size()));
        PutUnits(out, row.entry.path);
        PutUnits(out, row.newName);
        PutUnits(out, folder);
    }
    return out;
}

std::optional<SavedList> ParseSavedList(std::string_view bytes) {
    if (!bytes.starts_with(kMagic)) return std::nullopt;
    std::string_view rest = bytes.substr(kMagic.size());
    SavedList saved;
    std::uint64_t count = 0;
    if (!Take(rest, saved.savedAt) || !Take(rest, count)) return std::nullopt;
    // Every row takes at least 13 bytes: a count beyond that is a damaged file.
    if (count > rest.size() / 13) return std::nullopt;
    saved.rows.resize(count);
    for (SavedRow& row : saved.rows) {
        std::uint8_t flags = 0;
        std::uint32_t pathLength = 0, nameLength = 0, folderLength = 0;
        if (!Take(rest, flags) || !Take(rest, pathLength) || !Take(rest, nameLength) ||
            !Take(rest, folderLength) || !TakeUnits(rest, pathLength, row.path) ||
            !TakeUnits(rest, nameLength, row.newName) ||
            !TakeUnits(rest, folderLength, row.folder)) {
            return std::nullopt;
        }
        row.selected = (flags & kSelected) != 0;
        row.hasFolder = (flags & kHasFolder) != 0;
    }
    if (!rest.empty()) return std::nullopt;
    return saved;
}

ListKeeper::ListKeeper(std::optional<std::u16string> stateFolder)
    : folder_(std::move(stateFolder)) {
    if (folder_) file_ = *folder_ + platform::kPathSeparator + u"saved-list";
}

ListKeeper::~ListKeeper() { Wait(); }

void ListKeeper::Wait() {
    if (writing_.valid()) writing_.get();
}

void ListKeeper::Keep(const filelist::FileList& list) {
    if (!folder_) return;
    Wait();
    if (list.Empty()) {
        platform::RemoveFile(file_);
        return;
    }
    std::string bytes = SerialiseList(list, platform::CurrentFileTime());
    writing_ =
        std::async(std::launch::async, [folder = *folder_, file = file_, bytes = std::move(bytes)] {
            // A list that cannot be kept costs nothing now: the window still holds it.
            if (!platform::MakeFolders(folder)) return;
            platform::ReplacingFile out(file);
            if (out.IsOpen() && out.Write(bytes)) out.Commit();
        });
}

void ListKeeper::KeepNow(const filelist::FileList& list) {
    Keep(list);
    Wait();
}

std::optional<SavedList> ListKeeper::Read() {
    if (!folder_) return std::nullopt;
    Wait();
    const auto bytes = platform::ReadWholeFile(file_);
    if (!bytes) return std::nullopt;
    return ParseSavedList(*bytes);
}

void ListKeeper::Forget() {
    if (!folder_) return;
    Wait();
    platform::RemoveFile(file_);
}

}  // namespace morvalent::app
