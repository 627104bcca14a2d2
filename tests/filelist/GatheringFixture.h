#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "filelist/Gathering.h"
#include "support/TempDir.h"

// What the gathering tests of every system share.
namespace morvalent::filelist::gathering_testing {

// Answers the folder question always the same way and records where it was asked.
class CountingQuestion : public FolderQuestion {
  public:
    explicit CountingQuestion(bool answer) : answer_(answer) {}
    bool AddFolderItself(const std::u16string& folder) override;
    std::vector<std::u16string> asked;

  private:
    bool answer_;
};

struct GatheringTest : ::testing::Test {
    void SetUp() override;
    std::vector<std::u16string> Paths() const;
    // Runs one batch of candidates with the given answer to the folder question;
    // the count of items that could not be found or read.
    std::size_t Batch(const std::vector<std::u16string>& candidates, CountingQuestion& question);

    testing::TempDir dir;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    PlainIconSource icons;
    IconCache cache{icons};
    FileList list{cache};
    FolderChoice choice;
};

}  // namespace morvalent::filelist::gathering_testing
