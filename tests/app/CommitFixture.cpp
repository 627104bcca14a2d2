#include "CommitFixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace morvalent::app::commit_testing {

platform::MoveOutcome CountingFileSystem::Move(std::u16string_view source,
                                               std::u16string_view /*target*/,
                                               const InnerMove& inner) {
    ++moves;
    if (source == throwFor) throw std::runtime_error("read error on the disk");
    if (auto refused = refuse.find(std::u16string(source)); refused != refuse.end())
        return refused->second;
    return inner();
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

std::u16string CommitTest::Fail(std::u16string_view from, std::u16string_view to,
                                std::u16string_view reason) const {
    return dir.Join(from) + u" -> " + dir.Join(to) + u" 변경 실패. (" + std::u16string(reason) +
           u")\n";
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
