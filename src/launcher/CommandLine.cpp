#include "launcher/CommandLine.h"

namespace {

std::string* NameOf(LaunchOptions& options, const std::string& option)
{
    if (option == "-level")
        return &options.level;
    if (option == "-level_desc")
        return &options.levelDesc;
    if (option == "-level_logic")
        return &options.levelLogic;
    return nullptr;
}

} // namespace

LaunchOptions ParseCommandLine(const std::vector<std::string>& tokens)
{
    LaunchOptions options;
    size_t count = tokens.size();
    if (count > LaunchOptions::MaxTokens)
    {
        options.warnings.push_back("only the first " + std::to_string(LaunchOptions::MaxTokens) +
                                   " command-line tokens are read");
        count = LaunchOptions::MaxTokens;
    }
    for (size_t i = 0; i < count; i += 2)
    {
        const std::string& option = tokens[i];
        // The switch needs nothing behind it, so it also counts as the last token.
        if (option == "-disable_ai")
        {
            options.disableAi = true;
            continue;
        }
        if (i + 1 >= count)
        {
            options.warnings.push_back("\"" + option + "\" has no value and is ignored");
            break;
        }
        const std::string& value = tokens[i + 1];
        if (std::string* name = NameOf(options, option))
        {
            if (value.size() > LaunchOptions::MaxNameLength)
                options.warnings.push_back("the value of \"" + option + "\" is longer than " +
                                           std::to_string(LaunchOptions::MaxNameLength) + " characters and is ignored");
            else
                *name = value;
        }
    }
    return options;
}
