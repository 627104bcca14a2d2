#include "CommitFixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace morvalent::app::commit_testing {

std::optional<bool> CountingFileSystem::IsFolder(std::u16string_view path) {
    return native->IsFolder(path);
}

std::optional<platform::FileInfo> CountingFileSystem::ReadInfo(std::u16string_view path) {
    return native->ReadInfo(path);
}

bool CountingFileSystem::ListFolder(std::u16string_view folder,
                                    std::vector<platform::FolderItem>& items) {
    return native->ListFolder(folder, items);
}

platform::MoveOutcome CountingFileSystem::MoveNoReplace(std::u16string_view source,
                                                        std::u16string_view target) {
    ++moves;
    if (source == throwFor) throw std::runtime_error("read error on the disk");
    return native->MoveNoReplace(source, target);
}

std::int32_t ExtensionIcons::IconIndexFor(std::u16string_view extension, bool isFolder) {
    if (isFolder) return 1;
    return extension == u".png" ? 7 : 0;
}

std::size_t CommitTest::Add(std::u16string_view relative, std::u16string newName, bool isFolder) {
    filelist::FileEntry entry;
    entry.path = dir.Join(relative);
    entry.isFolder = isFolder;
    const std::size_t row = dialog.List().InsertEntryRow(entry);
    dialog.List().SetNewName(row, std::move(newName));
    return row;
}

void CommitTest::Commit() {
    ui.okCancelAnswers.push_back(true);
    dialog.ApplyRenames();
}

std::u16string CommitTest::Fail(std::u16string_view from, std::u16string_view to) const {
    return dir.Join(from) + u" -> " + dir.Join(to) + u" 변경 실패.\n";
}

std::u16string CommitTest::LastMessage() const {
    if (ui.messages.empty()) return {};
    const std::u16string& last = ui.messages.back();
    const std::size_t end = last.find(u'\n');
    if (end != std::u16string::npos && last.substr(0, end).ends_with(u"개를 바꿨습니다."))
        return last.substr(end + 1);
    return last;
}

}  // namespace morvalent::app::commit_testing
