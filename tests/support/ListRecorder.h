#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "filelist/FileList.h"

namespace morvalent::testing {

// The one test double of the list's observer: writes down every notice, in order
// ("insert 0+2", "begin", "change 1-3", ...).
class ListRecorder : public filelist::FileListObserver {
  public:
    void OnBatchBegin() override { log.push_back("begin"); }
    void OnBatchEnd() override { log.push_back("end"); }
    void OnRowsInserted(std::size_t first, std::size_t count) override {
        log.push_back("insert " + std::to_string(first) + "+" + std::to_string(count));
    }
    void OnRowsAboutToBeRemoved(std::size_t first, std::size_t count) override {
        log.push_back("remove? " + std::to_string(first) + "+" + std::to_string(count));
    }
    void OnRowsRemoved(std::size_t first, std::size_t count) override {
        log.push_back("remove " + std::to_string(first) + "+" + std::to_string(count));
    }
    void OnRowsChanged(std::size_t first, std::size_t last) override {
        log.push_back("change " + std::to_string(first) + "-" + std::to_string(last));
    }
    void OnListAboutToBeReset() override { log.push_back("reset?"); }
    void OnListReset() override { log.push_back("reset"); }
    void OnRowsReordered() override { log.push_back("reorder"); }
    void OnMarksChanged() override { log.push_back("marks"); }

    // How many notices begin with the word ("begin", "change", "reorder").
    long Count(const std::string& word) const {
        return std::ranges::count_if(log, [&](const std::string& line) {
            return line == word || line.starts_with(word + " ");
        });
    }

    std::vector<std::string> log;
};

}  // namespace morvalent::testing
