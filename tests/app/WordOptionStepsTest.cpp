#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Steps.h"

namespace morvalent::app {
namespace {

// A step the window records for the character edits is written back as the very
// words the terminal reads.
TEST(WordOptionSteps, RecordedAsTyped) {
    const std::vector<std::vector<std::string>> lines = {
        {"--case", "upper"},
        {"--case", "ext-lower"},
        {"--normalize", "nfkc"},
        {"--regex-replace", "(?i)img_(\\d+)", "$1"},
        {"--repair-encoding"},
        {"--date", "YYYY-MM-DD ", "modified", "behind"},
        {"--date", "hhmm", "created", "replace"},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line.front());
        const ParseResult parsed = ParseArguments(line);
        ASSERT_FALSE(parsed.error) << *parsed.error;
        ASSERT_EQ(parsed.recipe.steps.size(), 1u);
        EXPECT_EQ(StepWords(parsed.recipe.steps[0]), line);
    }
}

}  // namespace
}  // namespace morvalent::app
