#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchDir.h"
#include "foundation/base/FileFinder.h"
#include "foundation/base/Path.h"

namespace {

TEST(PathTest, Normalize)
{
    const std::pair<const char*, const char*> cases[] = {
        {"levels\\%s", "levels/%s"}, {"texts//%s//%s", "texts/%s/%s"},
        {"a\\\\b/\\c", "a/b/c"},     {"/abs//x", "/abs/x"},
        {"plain", "plain"},          {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(NormalizePath(in), out) << in;
}

TEST(PathTest, ResolveFallsBackToCaseInsensitiveMatch)
{
    ScratchDir dir;
    dir.Write("ShaderLib/Common.FX", "x");
    const std::string root = dir.Path().string();
    EXPECT_EQ(ResolvePath(root + "\\shaderlib\\common.fx"), root + "/ShaderLib/Common.FX");
    EXPECT_EQ(ResolvePath(root + "/ShaderLib/Common.FX"), root + "/ShaderLib/Common.FX");
    // Nothing matches a missing folder: the normalised path comes back.
    EXPECT_EQ(ResolvePath(root + "\\nothing\\common.fx"), root + "/nothing/common.fx");
    // A missing last component keeps the resolved folder.
    EXPECT_EQ(ResolvePath(root + "\\SHADERLIB\\new.fx"), root + "/ShaderLib/new.fx");
}

class FileFinderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.Write("Profiles/Alice.prf", "12345");
        dir.Write("Profiles/bob.PRF", "1");
        dir.Write("Profiles/notes.txt", "");
        dir.Write("Profiles/old/carl.prf", "123");
        dir.Write("Profiles/sub.prf/dave.prf", "1234567");
    }

    std::vector<std::string> List(const std::string& folder, const char* mask, unsigned long flags = 0)
    {
        std::vector<std::string> names;
        FileFinder finder(folder.c_str(), mask, flags);
        std::string name;
        while (finder.Next(name))
            names.push_back(name);
        return names;
    }

    ScratchDir dir;
};

TEST_F(FileFinderTest, MasksBackslashesAndCase)
{
    const std::string folder = dir.Path().string() + "\\profiles\\";
    EXPECT_EQ(List(folder, "*.prf"), (std::vector<std::string>{"Alice.prf", "bob.PRF", "sub.prf"}));
    EXPECT_EQ(List(folder, "*.*"), (std::vector<std::string>{"Alice.prf", "bob.PRF", "notes.txt", "old", "sub.prf"}));
    EXPECT_EQ(List(folder, "?ob.*", FileFinder::FF_LOWER_CASE), std::vector<std::string>{"bob.prf"});
    EXPECT_TRUE(List(folder, "*.xyz").empty());
}

TEST_F(FileFinderTest, InfoAndInitialisation)
{
    FileFinder finder((dir / "Profiles").c_str(), "a*", 0);
    ASSERT_TRUE(finder.Next());
    EXPECT_STREQ(finder.GetInfo().GetFileName(), "Alice.prf");
    EXPECT_EQ(finder.GetInfo().GetFileSize(), 5u);
    EXPECT_EQ(finder.GetInfo().GetAttributes(), FileInfo::ATTR_NORMAL);
    EXPECT_TRUE(finder.GetInfo().IsFile());
    EXPECT_FALSE(finder.Next());
    EXPECT_FALSE(finder.Next()); // closed

    FileFinder missing((dir / "nowhere").c_str(), "*", 0);
    EXPECT_FALSE(missing.Next());
    EXPECT_FALSE(FileFinder().Initialize((dir / "Profiles/Alice.prf").c_str(), "*"));
    FileFinder patternOnly((dir / "Profiles/*").c_str(), 0);
    EXPECT_FALSE(patternOnly.Next());
}

TEST_F(FileFinderTest, RecursiveScanEntersOnlyMatchingFolders)
{
    FileFinder finder((dir.Path().string() + "\\PROFILES").c_str(), "*.prf", 0);
    FileScanResult result;
    unsigned long largest = 0;
    ASSERT_TRUE(finder.RecursiveFileScan(result, largest, true, 256));
    std::vector<std::string> names;
    for (unsigned i = 0; i < result.GetSize(); ++i)
        names.push_back(result.GetFileInfo(i)->GetFileName());
    const std::string base = dir.Path().string() + "/Profiles/";
    EXPECT_EQ(names, (std::vector<std::string>{base + "Alice.prf", base + "bob.PRF", base + "sub.prf/dave.prf"}));
    EXPECT_EQ(largest, 7u);

    result.RemoveFileInfo(0);
    EXPECT_EQ(result.GetSize(), 2u);
    result.SetFileInfo(0, new FileInfo("x", 1, FileInfo::ATTR_NORMAL));
    EXPECT_STREQ(result.GetFileInfo(0)->GetFileName(), "x");
    EXPECT_EQ(result.GetFileInfo(9), nullptr);
}

TEST_F(FileFinderTest, RecursiveScanRefusesNamesReachingTheLimit)
{
    FileFinder finder((dir / "Profiles").c_str(), "*.prf", 0);
    FileScanResult result;
    unsigned long largest = 0;
    EXPECT_FALSE(finder.RecursiveFileScan(result, largest, false, 9)); // "Alice.prf" + terminator
}

TEST_F(FileFinderTest, OverlongFolderPathsAndMasksAreRefused)
{
    EXPECT_FALSE(FileFinder().Initialize((dir / "Profiles").c_str(), std::string(200, '*').c_str()));

    // A chain of matching folders deeper than a folder path may be: the scan fails rather than
    // listing what lies below the limit.
    std::string deep = "Profiles";
    while (deep.size() < 300)
        deep += "/level.prf";
    dir.Write(deep + "/deep.prf", "1");
    FileFinder finder((dir / "Profiles").c_str(), "*.prf", 0);
    FileScanResult result;
    unsigned long largest = 0;
    EXPECT_FALSE(finder.RecursiveFileScan(result, largest, false, 256));
}

TEST(FileFinderMaskTest, Wildcards)
{
    struct Case
    {
        const char* name;
        const char* mask;
        bool match;
    };
    const Case cases[] = {
        {"a.fx", "*.fx", true},     {"A.FX", "*.fx", true}, {"a.fxo", "*.fx", false}, {"noext", "*.*", true},
        {"noext", "noext.*", true}, {"ab", "a?", true},     {"a", "a?", false},       {"x.y.z", "*.z", true},
        {"abc", "*", true},         {"abc", "a*c*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileFinder::MatchMask(c.name, c.mask), c.match) << c.name << " " << c.mask;
}

} // namespace
