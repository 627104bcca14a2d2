#include "cli/CommitReport.h"

#include <gtest/gtest.h>

namespace morvalent::cli {
namespace {

struct ReportCase {
    const char* name;
    std::vector<std::u16string> messages;
    CommitResult result;
};

class CommitReportCases : public ::testing::TestWithParam<ReportCase> {};

TEST_P(CommitReportCases, TellHowTheCommitEnded) {
    EXPECT_EQ(ClassifyCommitMessages(GetParam().messages), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    All, CommitReportCases,
    ::testing::Values(
        ReportCase{"nothing_said", {}, CommitResult::Done},
        ReportCase{"success", {u"파일 이름을 변경하였습니다."}, CommitResult::Done},
        ReportCase{"failure_lines",
                   {u"/a/b -> /a/c 변경 실패.\n/a/d -> /a/e 변경 실패.\n"},
                   CommitResult::Failures},
        ReportCase{"error_line_after_its_report",
                   {u"Permission denied", u"/a/b를 /a/c로 바꾸는데 실패.\n"},
                   CommitResult::Failures},
        ReportCase{"empty_name", {u"이름이 지정되지 않은 경우가 있습니다."}, CommitResult::Stopped},
        ReportCase{"duplicate", {u"중복되는 이름이 있습니다.\n/a/x.txt"}, CommitResult::Stopped},
        ReportCase{"duplicate_of_a_name_like_a_failure_line",
                   {u"중복되는 이름이 있습니다.\n/a/b -> /a/c 변경 실패.\n"},
                   CommitResult::Stopped},
        ReportCase{"internal_error", {u"정체불명의 내부 오류 발생."}, CommitResult::Stopped},
        ReportCase{"anything_else", {u"뭔가 잘못됨"}, CommitResult::Stopped}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvalent::cli
