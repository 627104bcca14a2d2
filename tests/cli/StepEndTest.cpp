#include <gtest/gtest.h>

#include "cli/CliRunner.h"

namespace morvalent::cli {
namespace {

using app::Outcome;
using End = CliRunner::StepEnd;

struct EndCase {
    const char* name;
    std::optional<Outcome> outcome;
    End end;
};

class StepEndCases : public ::testing::TestWithParam<EndCase> {};

TEST_P(StepEndCases, TellHowTheStepEnded) {
    EXPECT_EQ(EndOfStep(GetParam().outcome), GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(
    All, StepEndCases,
    ::testing::Values(
        EndCase{"no_command", std::nullopt, End::Done}, EndCase{"done", Outcome::Done(), End::Done},
        EndCase{"cancelled", Outcome::Cancelled(), End::Done},
        EndCase{"commit_without_failures", Outcome::Committed(2, {}), End::Done},
        EndCase{"commit_with_failures",
                Outcome::Committed(1, {{u"/a/b", u"/a/c", u""}, {u"/a/d", u"/a/e", u"denied"}}),
                End::Failures},
        EndCase{"refused", Outcome::Refused(u"이름이 지정되지 않은 경우가 있습니다."),
                End::Stopped},
        // The words of a refusal decide nothing, also when they read like a failure.
        EndCase{"refused_like_a_failure_line",
                Outcome::Refused(u"중복되는 이름이 있습니다.\n/a/b -> /a/c 변경 실패.\n"),
                End::Stopped}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvalent::cli
