// The source tree includes only downwards: the foundation sees no platform layer and no
// subsystem above it, and the platform layers see no service built on them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path SourceRoot = fs::path(TEST_DATA_DIR).parent_path().parent_path() / "src";

// Every project include of the files below `folder` that starts with one of `forbidden`.
std::vector<std::string> IncludesAgainstTheTree(const fs::path& folder, const std::vector<std::string>& forbidden)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
    {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);)
        {
            if (line.rfind("#include \"", 0) != 0)
                continue;
            std::string target = line.substr(10);
            for (const std::string& prefix : forbidden)
                if (target.rfind(prefix, 0) == 0)
                    found.push_back(fs::relative(entry.path(), SourceRoot).string() + ": " + line);
        }
    }
    return found;
}

TEST(LayeringTest, IncludesRunDownTheTree)
{
    struct Case
    {
        const char* folder;
        std::vector<std::string> forbidden;
    };
    const Case cases[] = {
        {"foundation", {"platform/", "services/", "MaterialSystem/", "ResourceSystem/", "scene/", "layers/", "game/"}},
        {"platform", {"services/", "MaterialSystem/", "ResourceSystem/", "scene/", "layers/", "game/"}},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(fs::is_directory(SourceRoot / c.folder)) << SourceRoot / c.folder;
        EXPECT_EQ(std::vector<std::string>{}, IncludesAgainstTheTree(SourceRoot / c.folder, c.forbidden)) << c.folder;
    }
}

} // namespace
