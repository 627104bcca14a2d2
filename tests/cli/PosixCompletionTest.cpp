#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "cli/Completion.h"
#include "support/TempDir.h"

namespace morvalent::cli {
namespace {

struct CompletionCase {
    const char* name;
    const char* words;  // COMP_WORDS as bash splits the line, '=' a word of its own
    int cword;
    const char* offered;
};

class BashCompletes : public ::testing::TestWithParam<CompletionCase> {};

// bash runs the generated script's function on the words as it would at <Tab>.
TEST_P(BashCompletes, WhatTheTablesSay) {
    testing::TempDir dir;
    const std::string script = (dir.Path() / "completion").string();
    std::ofstream(script) << BashCompletion();
    const std::string command =
        "bash -c '. \"$0\"; complete -p morvalent-cli >/dev/null || exit 9; "
        "COMP_WORDS=(" +
        std::string(GetParam().words) + "); COMP_CWORD=" + std::to_string(GetParam().cword) +
        "; _morvalent_cli; echo \"${COMPREPLY[*]}\"' " + script;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(out, std::string(GetParam().offered) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BashCompletes,
    ::testing::Values(
        CompletionCase{"print_value", "morvalent-cli --print = co", 3, "conflicts"},
        CompletionCase{"print_unbroken", "morvalent-cli --print=co", 1, "--print=conflicts"},
        CompletionCase{"case_words", "morvalent-cli a.txt --case ''", 3,
                       "lower upper title ext-lower ext-upper"},
        CompletionCase{"folders_value", "morvalent-cli --folders =", 2, "contents self"},
        CompletionCase{"date_source", "morvalent-cli --date YYYY ''", 3, "taken modified created"},
        CompletionCase{"option_as_value", "morvalent-cli --prefix --case --nor", 3, "--normalize "},
        CompletionCase{"joined_option_name", "morvalent-cli --folders", 1, "--folders="}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvalent::cli
