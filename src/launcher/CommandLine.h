#pragma once

#include <string>
#include <vector>

// What the game program's command line asks for: a mission to start at once (all three file
// names are needed) and the AI switched off.
struct LaunchOptions
{
    static constexpr size_t MaxTokens = 33;
    static constexpr size_t MaxNameLength = 63;

    std::string level;
    std::string levelDesc;
    std::string levelLogic;
    bool disableAi = false;
    // What was ignored and why, for the log.
    std::vector<std::string> warnings;

    bool HasMission() const { return !level.empty() && !levelDesc.empty() && !levelLogic.empty(); }
};

// Reads the tokens in pairs, an option and its value, whatever the option: "-level",
// "-level_desc" and "-level_logic" take a file name (a later one wins), "-disable_ai" switches the
// AI off and consumes the token after it (if any), anything else is skipped with its value. An
// option without a value, a name longer than 63 characters and tokens past the 33rd are ignored.
LaunchOptions ParseCommandLine(const std::vector<std::string>& tokens);
