// The profile manager: loading the profile folder, texts and tips, names in any letter case,
// creating, selecting, deleting and saving at shut-down.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
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
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator("profiles"), {})) << "only the two are written";

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

    UserProfile* dana = manager.CreateProfile("Dana");
    LogWatch log;
    manager.DeleteProfile(dana);
    manager.DeleteProfile(nullptr);
    EXPECT_EQ(0, log.Warnings());
    EXPECT_FALSE(std::filesystem::exists("profiles/Dana.prf"));
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

    UserProfile* dana = manager.CreateProfile("Dana");
    EXPECT_TRUE(manager.RenameProfile(dana, "Erin"));
    EXPECT_FALSE(std::filesystem::exists("profiles/Dana.prf"));
    manager.ShutDown();
    manager.Initialize();
    EXPECT_EQ("Anna,COLE,Erin", Names());
    EXPECT_EQ(2, manager.GetProfileByIndex(1)->GetCash());
}

// Of "Bob.prf" and "bob.prf" only the first is listed, but the second is a pilot too: its name is
// taken in every letter case, by a rename or a first save, while a pilot whose name no other file
// holds may change its letter case. A file of its name that comes after a pilot is made, before
// the pilot has a file of its own, is another pilot's as well.
TEST_F(ProfileManagerTest, NoRenameOrFirstSaveReplacesAnotherPilotsFileInAnyLetterCase)
{
    using Files = std::map<std::string, int>; // file name and the cash that tells its pilot
    struct Case
    {
        const char* what;
        Files before;
        bool deleteBob;    // the listed "Bob" is deleted first: "bob.prf" is then listed by no pilot
        const char* pilot; // renamed to `name`; with none, `name` is created
        const char* name;
        bool done;
        Files after;
        Files later = {}; // written after `name` is created, its first save failing, and before it saves again
    };
    const Files twins = {{"Anna.prf", 3}, {"Bob.prf", 1}, {"bob.prf", 2}};
    const Files twinAlone = {{"Anna.prf", 3}, {"bob.prf", 2}};
    const Files suffixTwins = {{"Bob.prf", 1}, {"bob.PRF", 2}};
    const Case cases[] = {
        {"a rename onto an unlisted case twin", twins, false, "Bob", "bob", false, twins},
        {"a rename onto the twin's name in a third case", twins, false, "Bob", "BOB", false, twins},
        {"a rename onto a twin whose suffix differs in case", suffixTwins, false, "Bob", "bob", false, suffixTwins},
        {"another pilot's rename onto the twin", twins, true, "Anna", "BoB", false, twinAlone},
        {"a rename to the own name in another case", {{"Bob.prf", 1}}, false, "Bob", "BOB", true, {{"BOB.prf", 1}}},
        {"a rename of its file with the suffix in capitals",
         {{"Bob.PRF", 1}},
         false,
         "Bob",
         "bob",
         true,
         {{"bob.prf", 1}}},
        {"a first save onto the twin", twins, true, nullptr, "bob", false, twinAlone},
        {"a first save onto the twin in another case", twins, true, nullptr, "BOB", false, twinAlone},
        {"a first save onto a file that came later",
         {},
         false,
         nullptr,
         "bob",
         false,
         {{"bob.prf", 2}},
         {{"bob.prf", 2}}},
        {"a first save onto a file in another case that came later",
         {{"Anna.prf", 3}},
         false,
         nullptr,
         "bob",
         false,
         {{"Anna.prf", 3}, {"BOB.prf", 2}},
         {{"BOB.prf", 2}}},
    };
    const auto profileOf = [](int cash) { return Bytes().U32(1).I32(5).I32(35).I32(10).I32(67).I32(cash).data; };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        WorkingFolder scratch;
        for (const auto& [file, cash] : c.before)
            scratch.Write("profiles/" + file, profileOf(cash));
        ProfileManager pilots(&texts, &data.Get(), "xx");
        pilots.Initialize();
        if (c.deleteBob)
        {
            pilots.SelectCurrent("Bob");
            ASSERT_NE(nullptr, pilots.GetCurrent());
            ASSERT_STREQ("Bob", pilots.GetCurrent()->GetName());
            pilots.DeleteProfile(pilots.GetCurrent());
        }
        LogWatch log;
        if (c.pilot)
        {
            pilots.SelectCurrent(c.pilot);
            UserProfile* pilot = pilots.GetCurrent();
            ASSERT_NE(nullptr, pilot);
            ASSERT_STREQ(c.pilot, pilot->GetName());
            EXPECT_EQ(c.done, pilots.RenameProfile(pilot, c.name)) << log.All();
            EXPECT_STREQ(c.done ? c.name : c.pilot, pilot->GetName());
        }
        else if (c.later.empty())
            EXPECT_EQ(c.done, pilots.CreateProfile(c.name) != nullptr) << log.All();
        else
        {
            // The disk is full at the pilot's first save, so it is made without a file.
            const std::filesystem::path temporary = std::string("profiles/") + c.name + ".prf.tmp";
            std::filesystem::create_directories(temporary.parent_path());
            std::filesystem::create_symlink("/dev/full", temporary);
            UserProfile* pilot = pilots.CreateProfile(c.name);
            ASSERT_NE(nullptr, pilot);
            ASSERT_FALSE(pilot->HasFile());
            std::filesystem::remove(temporary);
            pilot->SetCash(9);
            for (const auto& [file, cash] : c.later)
                scratch.Write("profiles/" + file, profileOf(cash));
            EXPECT_EQ(c.done, pilot->Save()) << log.All();
            EXPECT_EQ(c.done, pilot->HasFile());
            EXPECT_EQ(9, pilot->GetCash()) << "the pilot is kept as it was";
        }
        const char* refusal = c.later.empty() ? "is taken by the file" : "is another pilot's";
        EXPECT_EQ(c.done ? 0 : 1, log.Count(refusal)) << log.All();
        Files after;
        for (const auto& entry : std::filesystem::directory_iterator("profiles"))
        {
            const std::string name = entry.path().filename().string();
            const std::string file = scratch.Read("profiles/" + name);
            int32_t cash = 0;
            if (file.size() >= 24)
                std::memcpy(&cash, file.data() + 20, sizeof cash);
            after[name] = cash;
            // Refused, it writes nothing: every file is another pilot's, left byte for byte.
            if (!c.done)
                EXPECT_EQ(profileOf(cash), file) << name;
        }
        EXPECT_EQ(c.after, after);
    }
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

// A game that ends without shutting down (a crash, a power cut) still finds every pilot as it
// was last created, renamed or deleted.
TEST_F(ProfileManagerTest, PilotsAreOnDiskOnceCreatedRenamedOrDeleted)
{
    WriteProfile("Anna.prf", 1);
    manager.Initialize();
    manager.CreateProfile("Vera")->SetCash(40);
    UserProfile* max = manager.CreateProfile("Max");
    manager.CreateProfile("Bob");
    ASSERT_TRUE(manager.RenameProfile(max, "Maxim"));
    manager.DeleteProfile(manager.GetProfileByIndex(0));

    ProfileManager after(&texts, &data.Get(), "xx");
    after.Initialize();
    std::string names;
    for (int i = 0; i < after.GetProfileCount(); ++i)
        names += std::string(names.empty() ? "" : ",") + after.GetProfileByIndex(i)->GetName();
    EXPECT_EQ("Bob,Maxim,Vera", names);
    after.SelectCurrent("Vera");
    ASSERT_NE(nullptr, after.GetCurrent());
    EXPECT_EQ(0, after.GetCurrent()->GetCash()) << "as it was created: cash is written at the next save";
}

// A file that cannot be read whole is kept as it is under a name of its own before the save
// replaces it; the copy is never read as a profile, and each unreadable start keeps another.
TEST_F(ProfileManagerTest, AnUnreadableFileSurvivesBesideTheNewOne)
{
    const std::string damaged = Bytes().Header(7, 2, 0).Ship({}, "Good").data + "cut";
    folder.Write("profiles/Anna.prf", damaged);
    LogWatch log;
    manager.Initialize();
    EXPECT_EQ(1, log.Count("\"./profiles/Anna.prf\" could not be read whole; the file is kept as "
                           "\"./profiles/Anna.prf.unreadable\""))
        << log.All();
    EXPECT_EQ(damaged, folder.Read("profiles/Anna.prf")) << "nothing is written in its place yet";
    manager.GetCurrent()->SetCash(7);
    manager.ShutDown();
    EXPECT_EQ(damaged, folder.Read("profiles/Anna.prf.unreadable"));

    LogWatch second;
    manager.Initialize();
    EXPECT_EQ("Anna", Names());
    EXPECT_EQ(7, manager.GetCurrent()->GetCash()) << "the new file is whole";
    EXPECT_EQ(0, second.Count("Profile file")) << second.All();
    EXPECT_EQ(0, second.Count("kept as")) << second.All();
    manager.ShutDown();

    folder.Write("profiles/Anna.prf", "cut");
    manager.Initialize();
    manager.ShutDown();
    EXPECT_EQ("cut", folder.Read("profiles/Anna.prf.unreadable.2"));
    EXPECT_EQ(damaged, folder.Read("profiles/Anna.prf.unreadable"));
}

// A pilot file whose first four bytes were zeroed reads as version 0 followed by bytes that
// belong to no record: it is kept like any damaged file, so the pilot is not lost to the next save.
TEST_F(ProfileManagerTest, APilotWhoseVersionWasZeroedSurvivesTheNextSave)
{
    const std::string numbers = Bytes().I32(5).I32(35).I32(1234).I32(67).I32(800).I32(1).I32(0).data;
    const std::string ship = Bytes().Ship({}, "Raven").data;
    const std::string zeroed = Bytes().U32(0).data + numbers + ship;
    folder.Write("profiles/Anna.prf", zeroed);
    LogWatch log;
    manager.Initialize();
    EXPECT_EQ(1, log.Count("Profile file of version 0: 97 bytes after its end are not read")) << log.All();
    EXPECT_EQ(1, log.Count("the file is kept as \"./profiles/Anna.prf.unreadable\"")) << log.All();
    EXPECT_EQ(10, manager.GetCurrent()->GetScore()) << "as created";
    manager.ShutDown();
    EXPECT_EQ(zeroed, folder.Read("profiles/Anna.prf.unreadable"));

    // The kept bytes with their version mended are the pilot as it was.
    folder.Write("profiles/Anna.prf", Bytes().U32(7).data + numbers + ship);
    manager.Initialize();
    EXPECT_EQ(1234, manager.GetCurrent()->GetScore());
    EXPECT_EQ(800, manager.GetCurrent()->GetCash());
    EXPECT_STREQ("Raven", manager.GetCurrent()->GetShip()->GetName());
}

// Where the unreadable file cannot be kept, the profile is not saved over it.
TEST_F(ProfileManagerTest, AnUnreadableFileThatCannotBeKeptIsNotReplaced)
{
    folder.Write("profiles/Anna.prf", "cut");
    folder.Write("profiles/Anna.prf.unreadable", "");
    for (int number = 2; number <= 100; ++number)
        folder.Write("profiles/Anna.prf.unreadable." + std::to_string(number), "");
    LogWatch log;
    manager.Initialize();
    manager.ShutDown();
    EXPECT_EQ("cut", folder.Read("profiles/Anna.prf"));
    EXPECT_EQ(1, log.Count("not saved: its unreadable file could not be kept")) << log.All();
}
