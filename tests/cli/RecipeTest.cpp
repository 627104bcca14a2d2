#include "cli/Recipe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Text.h"

namespace morvalent::cli {
namespace {

using Args = std::vector<std::string>;

// A recipe's steps in a short form: "gather(a|b)", "folders(self)",
// "32772(x|y)#1", "select(2,5)", "delete-rows", "apply".
std::string Describe(const Recipe& recipe) {
    std::string out;
    for (const Step& step : recipe.steps) {
        if (!out.empty()) out += ' ';
        std::string texts;
        for (std::size_t i = 0; i < step.texts.size(); ++i) {
            if (i > 0) texts += '|';
            texts += platform::Utf16ToUtf8Lossy(step.texts[i]);
        }
        switch (step.kind) {
            case Step::Kind::Gather:
                out += "gather(" + texts + ")";
                break;
            case Step::Kind::FolderAnswer:
                out += step.folderItself ? "folders(self)" : "folders(contents)";
                break;
            case Step::Kind::Command:
                out += std::to_string(app::IdNumber(step.command)) + "(" + texts + ")#" +
                       std::to_string(step.choice);
                break;
            case Step::Kind::Select: {
                out += "select(";
                for (std::size_t i = 0; i < step.rows.size(); ++i) {
                    if (i > 0) out += ',';
                    out += std::to_string(step.rows[i]);
                }
                out += ")";
                break;
            }
            case Step::Kind::DeleteRows:
                out += "delete-rows";
                break;
            case Step::Kind::Apply:
                out += "apply(" + std::to_string(app::IdNumber(step.command)) + ")";
                break;
        }
    }
    return out;
}

struct ParseCase {
    const char* name;
    Args args;
    std::string steps;
};

class ParseSteps : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseSteps, GivesTheStepsInOrder) {
    const ParseResult result = ParseArguments(GetParam().args);
    ASSERT_FALSE(result.error) << *result.error;
    EXPECT_EQ(Describe(result.recipe), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ParseSteps,
    ::testing::Values(
        ParseCase{"nothing", {}, ""},
        ParseCase{"consecutive_paths_are_one_batch", {"a", "b", "c"}, "gather(a|b|c)"},
        ParseCase{"a_step_between_paths_splits_batches",
                  {"a", "--erase-name", "b"},
                  "gather(a) 32775()#0 gather(b)"},
        ParseCase{"print_between_paths_splits_batches",
                  {"a", "--print=names", "b"},
                  "gather(a) gather(b)"},
        ParseCase{"folders_between_paths_splits_batches",
                  {"a", "--folders=contents", "b"},
                  "gather(a) folders(contents) gather(b)"},
        ParseCase{"lone_double_dash_keeps_the_batch", {"a", "--", "b"}, "gather(a|b)"},
        ParseCase{"everything_after_double_dash_is_a_path",
                  {"--prefix", "x", "--", "--help", "--", "-z"},
                  "32773(x)#0 gather(--help|--|-z)"},
        ParseCase{"single_dash_and_short_options_are_paths", {"-", "-v"}, "gather(-|-v)"},
        ParseCase{"empty_argument_is_a_path", {""}, "gather()"},
        ParseCase{"korean_path", {"사진/가.jpg"}, "gather(사진/가.jpg)"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Steps, ParseSteps,
    ::testing::Values(
        ParseCase{"replace", {"--replace", "a", "b"}, "32772(a|b)#0"},
        ParseCase{"replace_values_are_raw", {"--replace", "--", ""}, "32772(--|)#0"},
        ParseCase{"prefix", {"--prefix", "x"}, "32773(x)#0"},
        ParseCase{"suffix", {"--suffix", "--print=none"}, "32774(--print=none)#0"},
        ParseCase{"erase_name", {"--erase-name"}, "32775()#0"},
        ParseCase{"delete_position", {"--delete-position", "1", "3"}, "32776(1|3)#0"},
        ParseCase{
            "delete_position_from_end", {"--delete-position-from-end", "0", "2"}, "32776(0|2)#1"},
        ParseCase{"delete_enclosed", {"--delete-enclosed", "(", ")"}, "32777((|))#0"},
        ParseCase{"keep_digits", {"--keep-digits"}, "32778()#0"},
        ParseCase{"pad_digits", {"--pad-digits", "3"}, "32779(3)#0"},
        ParseCase{"pad_digits_first", {"--pad-digits-first", "x"}, "32779(x)#1"},
        ParseCase{"number", {"--number", "2", "1"}, "32780(2|1)#0"},
        ParseCase{"number_front", {"--number-front", "2", "1"}, "32780(2|1)#1"},
        ParseCase{"number_per_folder", {"--number-per-folder", "2", "1"}, "32780(2|1)#2"},
        ParseCase{
            "number_per_folder_front", {"--number-per-folder-front", "3", "7"}, "32780(3|7)#3"},
        ParseCase{"delete_extension", {"--delete-extension"}, "32788()#0"},
        ParseCase{"add_extension", {"--add-extension", "md"}, "32789(md)#0"},
        ParseCase{"change_extension", {"--change-extension", ".md"}, "32790(.md)#0"},
        ParseCase{"folder_name_front", {"--folder-name-front"}, "32785()#0"},
        ParseCase{"folder_name_behind", {"--folder-name-behind"}, "32786()#0"},
        ParseCase{"unify_folder", {"--unify-folder", "/tmp"}, "32787(/tmp)#0"},
        ParseCase{"direct_rename", {"--direct-rename", "새 이름"}, "32783(새 이름)#0"},
        ParseCase{"move_up_and_down", {"--move-up", "--move-down"}, "32798()#0 32799()#0"},
        ParseCase{"delete_rows", {"--delete-rows"}, "delete-rows"},
        ParseCase{"revert_and_clear", {"--revert", "--clear"}, "32781()#0 32782()#0"},
        ParseCase{"load_names", {"--load-names", "n.txt"}, "32796(n.txt)#0"},
        ParseCase{"load_paths", {"--load-paths", "p.txt"}, "32797(p.txt)#0"},
        ParseCase{"save_names", {"--save-names", "n.txt"}, "32793(n.txt)#0"},
        ParseCase{"save_paths", {"--save-paths", "p.txt"}, "32795(p.txt)#0"},
        ParseCase{"apply", {"--apply"}, "apply(32771)"},
        ParseCase{"folders_contents", {"--folders=contents"}, "folders(contents)"},
        ParseCase{"folders_self", {"--folders=self"}, "folders(self)"},
        ParseCase{"select_rows", {"--select", "2,5"}, "select(2,5)"},
        ParseCase{"select_one_row", {"--select", "7"}, "select(7)"},
        ParseCase{"select_none", {"--select", "none"}, "select()"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CharacterEdits, ParseSteps,
    ::testing::Values(
        ParseCase{"case_lower", {"--case", "lower"}, "32805()#0"},
        ParseCase{"case_upper", {"--case", "upper"}, "32805()#1"},
        ParseCase{"regex_replace", {"--regex-replace", "(\\d+)", "#$1"}, "32806((\\d+)|#$1)#0"},
        ParseCase{"normalize_nfd", {"--normalize", "nfd"}, "32807()#1"},
        ParseCase{"normalize_nfkc", {"--normalize", "nfkc"}, "32807()#2"},
        ParseCase{"repair_encoding", {"--repair-encoding"}, "32808()#0"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SortKeys, ParseSteps,
    ::testing::Values(ParseCase{"name", {"--sort", "name"}, "32784()#0"},
                      ParseCase{"name_desc", {"--sort", "name-desc"}, "32784()#1"},
                      ParseCase{"path", {"--sort", "path"}, "32784()#2"},
                      ParseCase{"path_desc", {"--sort", "path-desc"}, "32784()#3"},
                      ParseCase{"size", {"--sort", "size"}, "32784()#4"},
                      ParseCase{"size_desc", {"--sort", "size-desc"}, "32784()#5"},
                      ParseCase{"modified", {"--sort", "modified"}, "32784()#6"},
                      ParseCase{"modified_desc", {"--sort", "modified-desc"}, "32784()#7"},
                      ParseCase{"created", {"--sort", "created"}, "32784()#8"},
                      ParseCase{"created_desc", {"--sort", "created-desc"}, "32784()#9"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ModeCase {
    const char* name;
    Args args;
    PrintMode print;
    bool help;
    bool version;
};

class ParseModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ParseModes, SetsPrintHelpAndVersion) {
    const ParseResult result = ParseArguments(GetParam().args);
    ASSERT_FALSE(result.error) << *result.error;
    EXPECT_EQ(result.recipe.print, GetParam().print);
    EXPECT_EQ(result.recipe.help, GetParam().help);
    EXPECT_EQ(result.recipe.version, GetParam().version);
    EXPECT_TRUE(result.recipe.steps.empty());
}

INSTANTIATE_TEST_SUITE_P(
    All, ParseModes,
    ::testing::Values(
        ModeCase{"default_table", {}, PrintMode::Table, false, false},
        ModeCase{"table", {"--print=table"}, PrintMode::Table, false, false},
        ModeCase{"names", {"--print=names"}, PrintMode::Names, false, false},
        ModeCase{"paths", {"--print=paths"}, PrintMode::Paths, false, false},
        ModeCase{"targets", {"--print=targets"}, PrintMode::Targets, false, false},
        ModeCase{"none", {"--print=none"}, PrintMode::None, false, false},
        ModeCase{
            "last_print_wins", {"--print=none", "--print=paths"}, PrintMode::Paths, false, false},
        ModeCase{"help", {"--help"}, PrintMode::Table, true, false},
        ModeCase{"version", {"--version"}, PrintMode::Table, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    Args args;
    std::string error;
};

class ParseErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ParseErrors, GiveOneLine) {
    const ParseResult result = ParseArguments(GetParam().args);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(*result.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    All, ParseErrors,
    ::testing::Values(
        ErrorCase{"unknown_option", {"a", "--bogus"}, "알 수 없는 옵션: --bogus"},
        ErrorCase{"option_with_equals", {"--prefix=x"}, "알 수 없는 옵션: --prefix=x"},
        ErrorCase{"print_without_mode", {"--print"}, "알 수 없는 옵션: --print"},
        ErrorCase{"bad_print_mode", {"--print=json"}, "알 수 없는 출력 형식: json"},
        ErrorCase{"folders_without_answer", {"--folders"}, "알 수 없는 옵션: --folders"},
        ErrorCase{"bad_folder_answer",
                  {"--folders=both"},
                  "알 수 없는 폴더 처리 방식 (contents 또는 self): both"},
        ErrorCase{"missing_one_value", {"--prefix"}, "--prefix 다음에 값이 1개 필요합니다"},
        ErrorCase{
            "missing_second_value", {"--replace", "a"}, "--replace 다음에 값이 2개 필요합니다"},
        ErrorCase{"missing_number_start", {"--number", "3"}, "--number 다음에 값이 2개 필요합니다"},
        ErrorCase{"missing_sort_key", {"--sort"}, "--sort 다음에 정렬 기준이 필요합니다"},
        ErrorCase{"bad_sort_key", {"--sort", "Name"}, "알 수 없는 정렬 기준: Name"},
        ErrorCase{"missing_rows", {"--select"}, "--select 다음에 행 번호가 필요합니다"},
        ErrorCase{"row_zero", {"--select", "0"}, "잘못된 행 번호: 0"},
        ErrorCase{"negative_row", {"--select", "-1"}, "잘못된 행 번호: -1"},
        ErrorCase{"empty_row_between_commas", {"--select", "2,,3"}, "잘못된 행 번호: 2,,3"},
        ErrorCase{"trailing_comma", {"--select", "2,"}, "잘못된 행 번호: 2,"},
        ErrorCase{"row_with_space", {"--select", "1, 2"}, "잘못된 행 번호: 1, 2"},
        ErrorCase{"row_not_a_number", {"--select", "all"}, "잘못된 행 번호: all"},
        ErrorCase{"empty_rows", {"--select", ""}, "잘못된 행 번호: "},
        ErrorCase{"unknown_case", {"--case", "Title"}, "--case에 쓸 수 없는 값: Title"},
        ErrorCase{"missing_case", {"--case"}, "--case 다음에 값이 1개 필요합니다"},
        ErrorCase{"date_needs_three",
                  {"--date", "YYYY", "modified"},
                  "--date 다음에 값이 3개 필요합니다"},
        ErrorCase{"unknown_date_source",
                  {"--date", "YYYY", "yesterday", "front"},
                  "--date에 쓸 수 없는 값: yesterday front"},
        ErrorCase{"unknown_date_place",
                  {"--date", "YYYY", "modified", "middle"},
                  "--date에 쓸 수 없는 값: modified middle"},
        ErrorCase{
            "error_after_valid_steps", {"a", "--erase-name", "--nope"}, "알 수 없는 옵션: --nope"}),
    [](const auto& info) { return std::string(info.param.name); });

// The usage names every option the parser reads, and every word a value may be.
TEST(UsageText, NamesEveryOptionAndValue) {
    const std::string usage = UsageText();
    for (const app::OptionSyntax& option : app::AllOptionSyntax()) {
        EXPECT_NE(usage.find(option.name), std::string::npos) << option.name;
        for (const auto& words : option.values) {
            for (const std::string& word : words) {
                EXPECT_NE(usage.find(word), std::string::npos) << option.name << ' ' << word;
            }
        }
    }
}

}  // namespace
}  // namespace morvalent::cli
