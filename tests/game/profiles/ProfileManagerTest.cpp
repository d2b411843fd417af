// The profile manager: loading the profile folder, texts and tips, names in any letter case,
// creating, selecting, deleting and saving at shut-down.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CoreTestSupport.h"
#include "ProfilesTestSupport.h"
#include "game/profiles/ProfileManager.h"

namespace {
class ProfileManagerTest : public testing::Test
{
protected:
    // A profile file whose cash tells it apart.
    void WriteProfile(const std::string& file, int cash)
    {
        folder.Write("profiles/" + file, Bytes().U32(1).I32(5).I32(35).I32(10).I32(67).I32(cash).data);
    }
    std::string Names() const
    {
        std::string names;
        for (int i = 0; i < manager.GetProfileCount(); ++i)
            names += std::string(names.empty() ? "" : ",") + manager.GetProfileByIndex(i)->GetName();
        return names;
    }

    WorkingFolder folder;
    TestGameData data;
    GameTexts texts;
    ProfileManager manager{&texts, &data.Get(), "xx"};
};
} // namespace

TEST_F(ProfileManagerTest, StartUpLoadsTextsTipsAndEveryProfileOfTheFolder)
{
    folder.Write("texts/xx/ui_common.txt", "ui_yes=Yes<end>");
    folder.Write("texts/xx/ui_level_menu.txt", "ui_resume=Resume<end>");
    folder.Write("texts/xx/tips.txt", "Fly casual, pilot.\n");
    WriteProfile("Cole.prf", 3);
    WriteProfile("Anna.prf", 1);
    WriteProfile("Bert.prf", 2);
    folder.Write("profiles/notes.txt", "not a profile");
    LogWatch log;
    manager.Initialize();
    manager.Initialize();

    EXPECT_EQ("Anna,Bert,Cole", Names());
    EXPECT_EQ(1, log.Count("Profiles loaded: 3"));
    EXPECT_STREQ("Anna", manager.GetCurrent()->GetName());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i + 1, manager.GetProfileByIndex(i)->GetCash());
    EXPECT_STREQ("Yes", texts.GetTextByCode("ui_yes"));
    EXPECT_STREQ("Resume", texts.GetTextByCode("ui_resume"));
    EXPECT_STREQ("Fly casual, pilot.", manager.GetTipsManager()->GetRandomTip());
}

// Only the ".prf" suffix is cut, in any letter case; names that differ only in case give one
// profile; files a profile name cannot stand for are skipped.
TEST_F(ProfileManagerTest, FileNamesBecomeProfileNames)
{
    WriteProfile("J.R..prf", 1);
    WriteProfile("Bob.PRF", 2);
    WriteProfile("BOB.prf", 3);
    WriteProfile(".hidden.prf", 4);
    WriteProfile("squad/Inner.prf", 5);
    LogWatch log;
    manager.Initialize();
    EXPECT_EQ("BOB,J.R.", Names());
    EXPECT_EQ(3, manager.GetProfileByIndex(0)->GetCash()) << "the first found in name order";
    EXPECT_EQ(1, manager.GetProfileByIndex(1)->GetCash());
    EXPECT_EQ(1, log.Count("\".hidden.prf\" skipped"));
    EXPECT_EQ(1, log.Count("\"squad/Inner.prf\" skipped"));

    manager.ShutDown();
    EXPECT_TRUE(std::filesystem::exists("profiles/J.R..prf"));
    EXPECT_FALSE(std::filesystem::exists("profiles/J.prf"));
    EXPECT_EQ(5, std::distance(std::filesystem::directory_iterator("profiles"), {})) << "no file was added";
}

TEST_F(ProfileManagerTest, CreatingRefusesTakenAndUnsafeNamesAndTheFirstBecomesCurrent)
{
    manager.Initialize();
    EXPECT_EQ(nullptr, manager.GetCurrent());
    UserProfile* vera = manager.CreateProfile("Vera");
    ASSERT_NE(nullptr, vera);
    EXPECT_EQ(vera, manager.GetCurrent());
    UserProfile* max = manager.CreateProfile("Max");
    EXPECT_EQ(vera, manager.GetCurrent());
    for (const char* name : {"VERA", "vera", "../Vera", "", "a/b"})
        EXPECT_EQ(nullptr, manager.CreateProfile(name)) << name;
    EXPECT_EQ(nullptr, manager.CreateProfile(nullptr));
    EXPECT_EQ(2, manager.GetProfileCount());
    EXPECT_FALSE(std::filesystem::exists("profiles")) << "nothing is written before a save";

    manager.SelectCurrent("mAX");
    EXPECT_EQ(max, manager.GetCurrent());
    manager.SelectCurrent("Nobody");
    EXPECT_EQ(max, manager.GetCurrent());
    manager.SelectNone();
    EXPECT_EQ(nullptr, manager.GetCurrent());
}

TEST_F(ProfileManagerTest, DeletingRemovesTheFileAndTheCurrentProfileOnlyWhenItIsTheOne)
{
    WriteProfile("Anna.prf", 1);
    WriteProfile("Bert.prf", 2);
    WriteProfile("Cole.prf", 3);
    manager.Initialize();
    UserProfile* anna = manager.GetCurrent();

    manager.DeleteProfile(manager.GetProfileByIndex(1));
    EXPECT_EQ(anna, manager.GetCurrent());
    EXPECT_EQ("Anna,Cole", Names());
    EXPECT_FALSE(std::filesystem::exists("profiles/Bert.prf"));

    manager.DeleteProfile(anna);
    EXPECT_EQ(nullptr, manager.GetCurrent());
    EXPECT_EQ("Cole", Names());
    EXPECT_FALSE(std::filesystem::exists("profiles/Anna.prf"));

    UserProfile* unsaved = manager.CreateProfile("Dana");
    LogWatch log;
    manager.DeleteProfile(unsaved);
    manager.DeleteProfile(nullptr);
    EXPECT_EQ(0, log.Warnings()) << "a profile never saved has no file to delete";
    EXPECT_EQ("Cole", Names());
}

TEST_F(ProfileManagerTest, RenamingChecksTheNameAsCreatingDoesAndTakesTheFileAlong)
{
    WriteProfile("Anna.prf", 1);
    WriteProfile("Bert.prf", 2);
    manager.Initialize();
    UserProfile* bert = manager.GetProfileByIndex(1);
    for (const char* name : {"ANNA", "../Anna", "", ".x", "a\\b"})
    {
        EXPECT_FALSE(manager.RenameProfile(bert, name)) << name;
        EXPECT_STREQ(bert->GetName(), "Bert");
    }
    EXPECT_FALSE(manager.RenameProfile(nullptr, "Cole"));
    EXPECT_TRUE(std::filesystem::exists("profiles/Bert.prf"));

    ASSERT_TRUE(manager.RenameProfile(bert, "Cole"));
    EXPECT_EQ("Anna,Cole", Names());
    EXPECT_FALSE(std::filesystem::exists("profiles/Bert.prf")) << "the old name would come back at the next start";
    EXPECT_TRUE(std::filesystem::exists("profiles/Cole.prf"));
    ASSERT_TRUE(manager.RenameProfile(bert, "COLE")) << "its own name in another case";
    EXPECT_TRUE(std::filesystem::exists("profiles/COLE.prf"));

    UserProfile* unsaved = manager.CreateProfile("Dana");
    EXPECT_TRUE(manager.RenameProfile(unsaved, "Erin")) << "a profile never saved has no file to move";
    manager.ShutDown();
    manager.Initialize();
    EXPECT_EQ("Anna,COLE,Erin", Names());
    EXPECT_EQ(2, manager.GetProfileByIndex(1)->GetCash());
}

TEST_F(ProfileManagerTest, ShutDownSavesEveryProfileAndANewStartFindsThem)
{
    manager.Initialize();
    manager.CreateProfile("Vera")->SetCash(40);
    manager.CreateProfile("Max")->CreateShip("Second");
    manager.ShutDown();
    EXPECT_EQ(0, manager.GetProfileCount());
    EXPECT_EQ(nullptr, manager.GetCurrent());

    ProfileManager next(&texts, &data.Get(), "xx");
    next.Initialize();
    ASSERT_EQ(2, next.GetProfileCount());
    EXPECT_STREQ("Max", next.GetCurrent()->GetName());
    EXPECT_EQ(2, next.GetCurrent()->GetShipCount());
    EXPECT_EQ(1, next.GetCurrent()->GetCurrentShipIndex());
    next.SelectCurrent("vera");
    EXPECT_EQ(40, next.GetCurrent()->GetCash());
}
