#include <gtest/gtest.h>

#include "filelist/Gathering.h"
#include "support/TempDir.h"

namespace morvalent::filelist {
namespace {

class NoQuestion : public FolderQuestion {
  public:
    bool AddFolderItself(const std::u16string&) override {
        ADD_FAILURE() << "no folder question expected";
        return true;
    }
};

std::u16string UpperAscii(std::u16string text) {
    for (char16_t& c : text) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return text;
}

TEST(Win32Gathering, AListedPathInOtherLetterCaseIsNotAddedAgain) {
    testing::TempDir dir;
    dir.WriteFile("a.txt", "1");
    dir.WriteFile("b.txt", "2");
    PlainIconSource source;
    IconCache icons(source);
    FileList list(icons);
    auto fs = platform::MakeNativeFileSystem();
    NoQuestion question;
    FolderChoice choice;
    {
        Gatherer first(list, *fs, question, choice);
        PendingEntries pending;
        first.AddCandidate(pending, dir.Join(u"a.txt"));
        first.AppendPendingRows(pending);
    }
    ASSERT_EQ(list.Count(), 1u);
    Gatherer second(list, *fs, question, choice);
    PendingEntries pending;
    // C:\...\A.TXT is the listed c:\...\a.txt; B.TXT is new.
    second.AddCandidate(pending, UpperAscii(dir.Join(u"a.txt")));
    second.AddCandidate(pending, UpperAscii(dir.Join(u"b.txt")));
    second.AppendPendingRows(pending);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Entry(1).path, UpperAscii(dir.Join(u"b.txt")));
    EXPECT_EQ(list.FolderText(1), UpperAscii(dir.Text()));
}

}  // namespace
}  // namespace morvalent::filelist
