#include "app/SavedList.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <utility>

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

constexpr std::size_t kPieceRows = 4096;

void PutHeader(std::string& out, platform::FileTime savedAt, std::size_t count) {
    out.append(kMagic);
    Put<std::int64_t>(out, savedAt);
    Put<std::uint64_t>(out, count);
}

void PutRows(std::string& out, const filelist::FileList& list, std::size_t first,
             std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
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
}

}  // namespace

std::string SerialiseList(const filelist::FileList& list, platform::FileTime savedAt) {
    std::string out;
    PutHeader(out, savedAt, list.Count());
    PutRows(out, list, 0, list.Count());
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

ListKeeper::ListKeeper(std::optional<std::u16string> stateFolder, const filelist::FileList& list)
    : folder_(std::move(stateFolder)), list_(list) {
    if (folder_) file_ = *folder_ + platform::kPathSeparator + u"saved-list";
}

ListKeeper::~ListKeeper() {
    if (!writer_.joinable()) return;
    {
        std::lock_guard lock(rowsLock_);
        stop_ = true;
    }
    wake_.notify_one();
    writer_.join();
}

ListKeeper::Change::Change(ListKeeper* keeper) : keeper_(keeper) {
    if (keeper_ != nullptr) keeper_->BeginChange();
}

ListKeeper::Change::~Change() {
    if (keeper_ != nullptr) keeper_->EndChange();
}

void ListKeeper::BeginChange() {
    if (depth_++ > 0) return;
    changing_.store(true, std::memory_order_relaxed);
    rowsLock_.lock();
}

void ListKeeper::EndChange() {
    if (--depth_ > 0) return;
    changing_.store(false, std::memory_order_relaxed);
    // A write cut short starts again from the rows as they are now.
    const bool again = std::exchange(interrupted_, false);
    if (again) wanted_ = true;
    rowsLock_.unlock();
    if (again) wake_.notify_one();
}

void ListKeeper::Keep() {
    if (!folder_) return;
    if (!writer_.joinable()) writer_ = std::thread([this] { RunWriter(); });
    Change change(this);
    wanted_ = true;
    interrupted_ = false;
    // Told when the change ends (the writer waits for `rowsLock_` until then).
    wake_.notify_one();
}

void ListKeeper::RunWriter() {
    std::unique_lock lock(rowsLock_);
    std::string bytes;
    for (;;) {
        wake_.wait(lock, [this] { return wanted_ || stop_; });
        if (!wanted_) return;
        wanted_ = false;
        bool whole = false;
        try {
            whole = ReadRows(bytes, true);
        } catch (const std::exception&) {
            // A list that cannot be kept costs nothing now: the window still holds it.
            continue;
        }
        if (!whole) {
            interrupted_ = true;
            continue;
        }
        lock.unlock();
        try {
            std::lock_guard file(fileLock_);
            WriteFile(bytes);
        } catch (const std::exception&) {
        }
        // Memory the size of the list is not held between writes.
        std::string().swap(bytes);
        lock.lock();
    }
}

bool ListKeeper::ReadRows(std::string& bytes, bool stopForChanges) {
    bytes.clear();
    const std::size_t count = list_.Count();
    if (count == 0) return true;
    bytes.reserve(lastSize_ + lastSize_ / 8);
    PutHeader(bytes, platform::CurrentFileTime(), count);
    for (std::size_t first = 0; first < count; first += kPieceRows) {
        if (stopForChanges && changing_.load(std::memory_order_relaxed)) return false;
        PutRows(bytes, list_, first, std::min(count, first + kPieceRows));
    }
    lastSize_ = bytes.size();
    return true;
}

void ListKeeper::WriteFile(const std::string& bytes) {
    if (bytes.empty()) {
        platform::RemoveFile(file_);
        return;
    }
    if (!platform::MakeFolders(*folder_)) return;
    platform::ReplacingFile out(file_);
    if (out.IsOpen() && out.Write(bytes)) out.Commit();
}

void ListKeeper::KeepNow() {
    if (!folder_) return;
    Change change(this);
    // Whatever the writer was asked for, this write is newer.
    wanted_ = false;
    interrupted_ = false;
    std::string bytes;
    ReadRows(bytes, false);
    std::lock_guard file(fileLock_);
    WriteFile(bytes);
}

std::optional<SavedList> ListKeeper::Read() {
    if (!folder_) return std::nullopt;
    Change change(this);
    // A write asked for and not yet made comes first: the file is the list kept last.
    const bool pending = std::exchange(wanted_, false) | std::exchange(interrupted_, false);
    std::lock_guard file(fileLock_);
    if (pending) {
        std::string rows;
        ReadRows(rows, false);
        WriteFile(rows);
    }
    const auto bytes = platform::ReadWholeFile(file_);
    if (!bytes) return std::nullopt;
    return ParseSavedList(*bytes);
}

void ListKeeper::Forget() {
    if (!folder_) return;
    Change change(this);
    wanted_ = false;
    interrupted_ = false;
    std::lock_guard file(fileLock_);
    platform::RemoveFile(file_);
}

}  // namespace morvalent::app
