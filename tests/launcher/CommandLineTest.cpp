// The command line read in pairs, with its bounds: what each token list starts.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "launcher/CommandLine.h"

namespace {
struct LineCase
{
    const char* what;
    std::vector<std::string> tokens;
    std::string level, levelDesc, levelLogic;
    bool disableAi;
    size_t warnings;
};

class CommandLine : public testing::TestWithParam<LineCase>
{};

const std::string Name63(63, 'n');
const std::string Name64(64, 'n');

std::vector<std::string> PaddedToOverflow()
{
    // 32 tokens of unknown options, then "-level" as the 33rd and its value as the 34th.
    std::vector<std::string> tokens;
    for (int i = 0; i < 16; ++i)
        tokens.insert(tokens.end(), {"-x", "y"});
    tokens.insert(tokens.end(), {"-level", "a.lua"});
    return tokens;
}
} // namespace

TEST_P(CommandLine, ReadsThisMission)
{
    const LineCase& test = GetParam();
    const LaunchOptions options = ParseCommandLine(test.tokens);
    EXPECT_EQ(options.level, test.level);
    EXPECT_EQ(options.levelDesc, test.levelDesc);
    EXPECT_EQ(options.levelLogic, test.levelLogic);
    EXPECT_EQ(options.disableAi, test.disableAi);
    EXPECT_EQ(options.warnings.size(), test.warnings);
    EXPECT_EQ(options.HasMission(), !test.level.empty() && !test.levelDesc.empty() && !test.levelLogic.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLine,
    testing::Values(LineCase{"nothing", {}, "", "", "", false, 0},
                    LineCase{
                        "mission", {"-level", "a", "-level_desc", "b", "-level_logic", "c"}, "a", "b", "c", false, 0},
                    // "-disable_ai" swallows "-level", and the rest is read out of step.
                    LineCase{"ai_switch_first",
                             {"-disable_ai", "-level", "a", "-level_desc", "b", "-level_logic", "c"},
                             "",
                             "",
                             "",
                             true,
                             1},
                    LineCase{"ai_switch_with_a_token_behind",
                             {"-level", "a", "-level_desc", "b", "-level_logic", "c", "-disable_ai", "x"},
                             "a",
                             "b",
                             "c",
                             true,
                             0},
                    LineCase{"ai_switch_last",
                             {"-level", "a", "-level_desc", "b", "-level_logic", "c", "-disable_ai"},
                             "a",
                             "b",
                             "c",
                             true,
                             0},
                    LineCase{"two_names_only", {"-level", "a", "-level_desc", "b"}, "a", "b", "", false, 0},
                    LineCase{"later_value_wins",
                             {"-level", "a", "-level", "z", "-level_desc", "b", "-level_logic", "c"},
                             "z",
                             "b",
                             "c",
                             false,
                             0},
                    LineCase{"options_are_case_sensitive", {"-LEVEL", "a", "-level_desc", "b"}, "", "b", "", false, 0},
                    LineCase{"option_without_value", {"-level_desc", "b", "-level"}, "", "b", "", false, 1},
                    LineCase{"name_of_63", {"-level", Name63}, Name63, "", "", false, 0},
                    LineCase{"name_of_64_ignored", {"-level", "a", "-level", Name64}, "a", "", "", false, 1},
                    // Past the 33rd token nothing is read: "-level" loses its value and is reported too.
                    LineCase{"tokens_past_33", PaddedToOverflow(), "", "", "", false, 2}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.what; });
