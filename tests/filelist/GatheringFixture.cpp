#include "GatheringFixture.h"

#include "platform/Collation.h"

namespace morvalent::filelist::gathering_testing {

bool CountingQuestion::AddFolderItself(const std::u16string& folder) {
    asked.push_back(folder);
    return answer_;
}

void GatheringTest::SetUp() { platform::SetCollationLocale(""); }

std::vector<std::u16string> GatheringTest::Paths() const {
    std::vector<std::u16string> out;
    for (std::size_t i = 0; i < list.Count(); ++i) out.push_back(list.Entry(i).path);
    return out;
}

std::size_t GatheringTest::Batch(const std::vector<std::u16string>& candidates,
                                 CountingQuestion& question) {
    PendingEntries pending;
    Gatherer gatherer(list, *fs, question, choice);
    for (const auto& c : candidates) gatherer.AddCandidate(pending, c);
    gatherer.AppendPendingRows(pending);
    return gatherer.Unreadable();
}

}  // namespace morvalent::filelist::gathering_testing
