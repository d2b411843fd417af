// The profile file: every version read, hostile and cut files, the round trip, and saving that
// never leaves a profile half-written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CoreTestSupport.h"
#include "ProfilesTestSupport.h"
#include "game/profiles/ProfileFile.h"
#include "game/profiles/UserProfile.h"

namespace {
struct LoadCase
{
    const char* what;
    std::string bytes;
    std::vector<int> numbers; // level, rate, score, efficiency, cash
    std::string ships;        // "<name>/<device count>" of each ship, in order, blank-separated
    int current;
    int warnings; // of the reading
    bool kept;    // not read whole: kept as it is under another name, which is logged
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.what; }

// A new profile's numbers, and those Bytes::Header writes.
const std::vector<int> Fresh = {5, 35, 10, 67, 0};
const std::vector<int> Stored = {1, 2, 3, 4, 5};

std::string Repeat(const std::string& ship, int count)
{
    std::string ships;
    for (int i = 0; i < count; ++i)
        ships += (i ? " " : "") + ship;
    return ships;
}

class ProfileFileLoad : public testing::TestWithParam<LoadCase>
{};
} // namespace

TEST_P(ProfileFileLoad, GivesThisProfile)
{
    const LoadCase& c = GetParam();
    WorkingFolder folder;
    folder.Write("profiles/Pilot.prf", c.bytes);
    TestGameData data;
    data.Device(900, 0, 0);
    UserProfile profile(data.Context());
    profile.Create("Pilot");
    LogWatch log;
    EXPECT_TRUE(profile.Load());

    EXPECT_EQ(c.numbers, (std::vector<int>{profile.GetLevel(), profile.GetRate(), profile.GetScore(),
                                           profile.GetEfficiency(), profile.GetCash()}));
    std::string ships;
    for (int i = 0; i < profile.GetShipCount(); ++i)
        ships += (i ? " " : "") + std::string(profile.GetShip(i)->GetName()) + "/" +
                 std::to_string(profile.GetShip(i)->GetDeviceCount());
    EXPECT_EQ(c.ships, ships);
    EXPECT_EQ(c.current, profile.GetCurrentShipIndex());
    EXPECT_EQ(c.warnings + (c.kept ? 1 : 0), log.Warnings()) << log.All();
    EXPECT_EQ(c.kept, std::filesystem::exists("profiles/Pilot.prf.unreadable"));
    if (c.kept)
    {
        EXPECT_EQ(c.bytes, folder.Read("profiles/Pilot.prf.unreadable"));
        EXPECT_EQ(1, log.Count("the file is kept as \"./profiles/Pilot.prf.unreadable\"")) << log.All();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, ProfileFileLoad,
    testing::Values(
        LoadCase{"version 0 holds nothing more", Bytes().U32(0).data, Fresh, "Default/17", 0, 0, false},
        LoadCase{"version 1 holds the numbers", Bytes().U32(1).I32(1).I32(2).I32(3).I32(4).I32(5).data, Stored,
                 "Default/17", 0, 0, false},
        LoadCase{"versions 2 to 6 hold a ship count, each ship with default devices", Bytes().Header(3, 2, 0).data,
                 Stored, "Default/17 Default/17", 0, 0, false},
        LoadCase{"a pilot whose version was zeroed",
                 Bytes().U32(0).data + Bytes().Header(7, 1, 0).Ship({900}, "Raven").data.substr(4), Fresh, "Default/17",
                 0, 1, true},
        LoadCase{"bytes after the numbers of version 1", Bytes().U32(1).I32(1).I32(2).I32(3).I32(4).I32(5).U8(0).data,
                 Stored, "Default/17", 0, 1, true},
        LoadCase{"a ship record after the header of version 6", Bytes().Header(6, 1, 0).Ship({900}, "Raven").data,
                 Stored, "Default/17", 0, 1, true},
        LoadCase{"a current ship that an older version does not hold", Bytes().Header(4, 2, 2).data, Stored,
                 "Default/17 Default/17", 1, 1, true},
        LoadCase{"no current ship beside the ships of an older version", Bytes().Header(5, 1, -1).data, Stored,
                 "Default/17", 0, 1, true},
        LoadCase{"version 7 holds the ships' devices, names and flags",
                 Bytes().Header(7, 2, 0).Ship({900, 590}, "Raven").Ship({}, "Bare").data, Stored, "Raven/2 Bare/0", 0,
                 0, false},
        LoadCase{"a later version reads as version 7", Bytes().Header(8, 1, 0).Ship({900}, "Next").data, Stored,
                 "Next/1", 0, 1, true},
        LoadCase{"an empty file", "", Fresh, "Default/17", 0, 1, true},
        LoadCase{"numbers cut short keep the rest", Bytes().U32(1).I32(1).I32(2).U8(7).data,
                 std::vector<int>{1, 2, 10, 67, 0}, "Default/17", 0, 1, true},
        LoadCase{"a ship count of 0 still gives a ship", Bytes().Header(7, 0, -1).data, Stored, "Default/17", 0, 1,
                 false},
        LoadCase{"a current ship beside no ships", Bytes().Header(7, 0, 0).data, Stored, "Default/17", 0, 2, true},
        LoadCase{"a negative ship count", Bytes().Header(7, -5, 0).data, Stored, "Default/17", 0, 2, true},
        LoadCase{"a huge ship count is bounded by the data", Bytes().Header(7, 0x7FFFFFFF, 0).Ship({900}, "One").data,
                 Stored, "One/1", 0, 1, true},
        LoadCase{"a huge ship count of an old version is bounded", Bytes().Header(2, 0x7FFFFFFF, 0).data, Stored,
                 Repeat("Default/17", ProfileFile::MaxShips), 0, 1, true},
        LoadCase{"a huge device count ends the ships",
                 Bytes().Header(7, 2, 1).Ship({900}, "Good").I32(0x40000000).F32(900).Name("Bad").U8(1).data, Stored,
                 "Good/1", 0, 1, true},
        LoadCase{"a ship record cut short ends the ships",
                 Bytes().Header(7, 2, 1).Ship({900}, "Good").Ship({590}, "Cut").data.substr(0, 32 + 73 + 70), Stored,
                 "Good/1", 0, 1, true},
        LoadCase{"a name without its terminator keeps 63 characters",
                 Bytes().Header(7, 1, 0).I32(0).Name("Long", false).U8(0).data, Stored,
                 "Long" + std::string(59, 'x') + "/0", 0, 1, true},
        LoadCase{"devices the game data lacks stay unfitted", Bytes().Header(7, 1, 0).Ship({12345, 900}, "Odd").data,
                 Stored, "Odd/1", 0, 1, false},
        LoadCase{"a device again, or another of its slot, leaves the last of the slot fitted",
                 Bytes().Header(7, 1, 0).Ship({900, 31111, 590, 900}, "Odd").data, Stored, "Odd/2", 0, 1, false},
        LoadCase{"a stored index past the ships makes the last ship current",
                 Bytes().Header(7, 2, 9).Ship({}, "A").Ship({}, "B").data, Stored, "A/0 B/0", 1, 1, true},
        LoadCase{"a stored index below the ships makes the last ship current",
                 Bytes().Header(7, 2, -1).Ship({}, "A").Ship({}, "B").data, Stored, "A/0 B/0", 1, 1, true},
        LoadCase{"bytes after the last ship", Bytes().Header(7, 1, 0).Ship({900}, "One").U8(3).data, Stored, "One/1", 0,
                 1, true}),
    [](const testing::TestParamInfo<LoadCase>& info) { return "Case" + std::to_string(info.index); });

TEST(ProfileFile, SavingAndLoadingKeepsNumbersShipsDevicesAndTheCurrentShip)
{
    WorkingFolder folder;
    TestGameData data;
    DeviceType* rare = data.Device(900, 0, 0);
    UserProfile saved(data.Context());
    saved.Create("Vera");
    saved.SetLevel(7);
    saved.SetScore(-12);
    saved.SetCash(123456);
    saved.GetShip()->AddDevice(rare);
    saved.GetShip()->SetFlag(0);
    ProfileShip* second = saved.CreateShip("Raven");
    second->RemoveDevice(second->GetDeviceByIndex(3));
    saved.SelectShip(0);
    ASSERT_TRUE(saved.Save());
    EXPECT_FALSE(std::filesystem::exists("profiles/Vera.prf.tmp"));
    EXPECT_EQ(32u + (4 + 17 * 4 + 65) + (4 + 16 * 4 + 65), std::filesystem::file_size("profiles/Vera.prf"));

    UserProfile loaded(data.Context());
    loaded.Create("Vera");
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(7, loaded.GetLevel());
    EXPECT_EQ(-12, loaded.GetScore());
    EXPECT_EQ(123456, loaded.GetCash());
    ASSERT_EQ(2, loaded.GetShipCount());
    EXPECT_EQ(0, loaded.GetCurrentShipIndex());
    for (int i = 0; i < 2; ++i)
    {
        const ProfileShip& a = *saved.GetShip(i);
        const ProfileShip& b = *loaded.GetShip(i);
        EXPECT_STREQ(a.GetName(), b.GetName());
        EXPECT_EQ(a.GetFlag(), b.GetFlag());
        ASSERT_EQ(a.GetDeviceCount(), b.GetDeviceCount());
        for (unsigned d = 0; d < a.GetDeviceCount(); ++d)
            EXPECT_EQ(a.GetDeviceByIndex(d), b.GetDeviceByIndex(d)) << "ship " << i << " device " << d;
        EXPECT_EQ(a.GetParams().shield, b.GetParams().shield);
        EXPECT_EQ(a.GetParams().maxArmor, b.GetParams().maxArmor);
    }
}

// A pilot who flew with a device of data added to the game (4000, in the slot of the default
// 13213) and starts once without that data: the ship flies without it, keeps it in its record
// and gets it back with the data. Once the pilot fits another device in that slot, that one wins.
TEST(ProfileFile, ADeviceTheDataLacksStaysInTheRecordAndComesBackWithTheData)
{
    WorkingFolder folder;
    const std::string stored =
        Bytes().Header(7, 2, 1).Ship({31111, 4000, 590}, "Raven").Ship({900, 31111, 900}, "Twice", 0).data;
    folder.Write("profiles/Pilot.prf", stored);
    TestGameData without;
    without.Device(900, 0, 0);
    TestGameData with;
    with.Device(900, 0, 0);
    with.Device(4000, 0, 1)->shield = 1000;
    const auto load = [](UserProfile& profile) {
        profile.Create("Pilot");
        LogWatch log;
        EXPECT_TRUE(profile.Load());
        EXPECT_EQ(0, log.Count("kept as")) << log.All();
        return log.All();
    };

    UserProfile lacking(without.Context());
    const std::string log = load(lacking);
    EXPECT_NE(std::string::npos, log.find("Profile ship \"Raven\": devices 4000 stay in its record unfitted")) << log;
    EXPECT_NE(std::string::npos, log.find("Profile ship \"Twice\": devices 900, 31111 stay in its record unfitted"))
        << log;
    ASSERT_EQ(2, lacking.GetShipCount());
    EXPECT_EQ(2u, lacking.GetShip(0)->GetDeviceCount());
    EXPECT_EQ(1 + 8, lacking.GetShip(0)->GetParams().shield) << "the sums of the fitted devices";
    EXPECT_EQ(without.Get().GetDeviceByUid(900), lacking.GetShip(1)->GetDevice(0, 0));
    ASSERT_TRUE(lacking.Save());
    EXPECT_EQ(stored, folder.Read("profiles/Pilot.prf")) << "written back as it was read";

    UserProfile returned(with.Context());
    load(returned);
    EXPECT_EQ(with.Get().GetDeviceByUid(4000), returned.GetShip(0)->GetDevice(0, 1));
    EXPECT_EQ(1 + 1000 + 8, returned.GetShip(0)->GetParams().shield);

    // Refitted without the data: the kept uid goes first, and the device fitted since follows it.
    lacking.GetShip(0)->AddDevice(without.Get().GetDeviceByUid(13213));
    ASSERT_TRUE(lacking.Save());
    EXPECT_EQ(Bytes().Header(7, 2, 1).Ship({4000, 31111, 590, 13213}, "Raven").Ship({900, 31111, 900}, "Twice", 0).data,
              folder.Read("profiles/Pilot.prf"));
    UserProfile refitted(with.Context());
    load(refitted);
    EXPECT_EQ(with.Get().GetDeviceByUid(13213), refitted.GetShip(0)->GetDevice(0, 1)) << "the pilot's later choice";
    EXPECT_EQ(3u, refitted.GetShip(0)->GetDeviceCount());
}

// A pilot whose file is not there yet (made in the game, or its file removed) is not damaged:
// nothing is kept for it and its saves go through.
TEST(ProfileFile, APilotWithoutAFileLoadsNothingAndSavesAfterwards)
{
    WorkingFolder folder;
    TestGameData data;
    UserProfile profile(data.Context());
    profile.Create("Vera");
    LogWatch log;
    EXPECT_FALSE(profile.Load());
    EXPECT_EQ(1, log.Count("\"./profiles/Vera.prf\" cannot be opened")) << log.All();
    EXPECT_EQ(0, log.Errors()) << log.All();
    EXPECT_FALSE(std::filesystem::exists("profiles/Vera.prf.unreadable"));

    profile.SetCash(42);
    ASSERT_TRUE(profile.Save()) << log.All();
    profile.SetCash(43);
    ASSERT_TRUE(profile.Save()) << log.All();
    UserProfile loaded(data.Context());
    loaded.Create("Vera");
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(43, loaded.GetCash());
}

// A sound file of exactly the size cap is read whole; one byte more and only the cap is read,
// so the file is kept as unreadable, though all that was read is sound. The big ship names one
// device over and over: it is fitted once, and the repeats stay in the record.
TEST(ProfileFile, AFileOfTheSizeCapIsWholeAndOneByteMoreIsCut)
{
    // Three bare ships and one whose devices fill the cap.
    std::string bytes = Bytes().Header(7, 4, 3).Ship({}, "A").Ship({}, "B").Ship({}, "C").data;
    const size_t devices = (ProfileFile::MaxFileSize - bytes.size() - (4 + 64 + 1)) / 4;
    ASSERT_EQ(ProfileFile::MaxFileSize, bytes.size() + 4 + devices * 4 + 64 + 1);
    bytes += Bytes().I32(static_cast<int32_t>(devices)).data;
    const std::string uid = Bytes().F32(900).data;
    bytes.reserve(ProfileFile::MaxFileSize + 1);
    for (size_t i = 0; i < devices; ++i)
        bytes += uid;
    bytes += Bytes().Name("Big").U8(1).data;

    for (const bool over : {false, true})
    {
        SCOPED_TRACE(over ? "one byte over the cap" : "at the cap");
        WorkingFolder folder;
        folder.Write("profiles/Pilot.prf", over ? bytes + '\0' : bytes);
        TestGameData data;
        data.Device(900, 0, 0);
        UserProfile profile(data.Context());
        profile.Create("Pilot");
        LogWatch log;
        EXPECT_TRUE(profile.Load());
        EXPECT_EQ(Stored, (std::vector<int>{profile.GetLevel(), profile.GetRate(), profile.GetScore(),
                                            profile.GetEfficiency(), profile.GetCash()}));
        ASSERT_EQ(4, profile.GetShipCount());
        EXPECT_STREQ("Big", profile.GetShip(3)->GetName());
        EXPECT_EQ(1u, profile.GetShip(3)->GetDeviceCount());
        EXPECT_EQ(3, profile.GetCurrentShipIndex());
        EXPECT_EQ(over ? 1 : 0, log.Count("is larger than 16777216 bytes")) << log.All();
        EXPECT_EQ(over, std::filesystem::exists("profiles/Pilot.prf.unreadable")) << log.All();
        EXPECT_EQ(1, log.Count("\"Big\": devices 900, 900, 900, 900, 900, 900, 900, 900 and " +
                               std::to_string(devices - 9) + " more stay in its record unfitted"))
            << "the repeats, in one line";
        EXPECT_EQ(over ? 3 : 1, log.Warnings()) << log.All();
    }
}

TEST(ProfileFile, NamesThatWouldLeaveTheProfileFolderAreRefused)
{
    for (const char* name : {"", ".", "..", "../escape", "a/b", "a\\b", ".hidden", "tab\there", "bell\a"})
        EXPECT_FALSE(ProfileFile::IsSafeName(name)) << name;
    EXPECT_FALSE(ProfileFile::IsSafeName(nullptr));
    EXPECT_FALSE(ProfileFile::IsSafeName(std::string(64, 'n').c_str()));
    for (const char* name : {"J.R.", "Vera", "x..y", "Name with spaces", "\u0416\u0416"})
        EXPECT_TRUE(ProfileFile::IsSafeName(name)) << name;
    EXPECT_TRUE(ProfileFile::IsSafeName(std::string(63, 'n').c_str()));

    WorkingFolder folder;
    TestGameData data;
    UserProfile profile(data.Context());
    profile.Create("../escape");
    LogWatch log;
    EXPECT_FALSE(profile.Save());
    EXPECT_FALSE(profile.Load());
    EXPECT_FALSE(std::filesystem::exists("escape.prf"));
    EXPECT_FALSE(std::filesystem::exists("profiles"));
    EXPECT_EQ(2, log.Errors());
}

TEST(ProfileFile, SavingMakesTheFolderAndFindsAFileInAnyLetterCase)
{
    WorkingFolder folder;
    TestGameData data;
    UserProfile profile(data.Context(nullptr, "game"));
    profile.Create("Vera");
    ASSERT_TRUE(profile.Save());
    EXPECT_TRUE(std::filesystem::is_regular_file("game/profiles/Vera.prf"));

    std::filesystem::rename("game/profiles/Vera.prf", "game/profiles/VERA.PRF");
    profile.SetCash(5);
    ASSERT_TRUE(profile.Save());
    EXPECT_FALSE(std::filesystem::exists("game/profiles/Vera.prf")) << "the existing file is written";
    UserProfile loaded(data.Context(nullptr, "game"));
    loaded.Create("vera");
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(5, loaded.GetCash());
}

namespace {
// A profile saved once with cash 100, about to be saved again.
class SavedProfile : public testing::Test
{
protected:
    void SetUp() override
    {
        profile.Create("Vera");
        profile.SetCash(100);
        ASSERT_TRUE(profile.Save());
        old = folder.Read("profiles/Vera.prf");
    }

    WorkingFolder folder;
    TestGameData data;
    UserProfile profile{data.Context()};
    std::string old;
};
} // namespace

// A write that fails leaves the old file and no temporary file, and says so.
TEST_F(SavedProfile, AFailedSaveKeepsTheOldProfile)
{
    std::filesystem::create_symlink("/dev/full", "profiles/Vera.prf.tmp");
    profile.SetCash(200);
    LogWatch log;
    EXPECT_FALSE(profile.Save());
    EXPECT_EQ(1, log.Errors());
    EXPECT_EQ(old, folder.Read("profiles/Vera.prf"));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status("profiles/Vera.prf.tmp")));
}

// A game killed while it writes a profile (here by the file size limit, at chosen bytes of the
// temporary file) leaves the old profile whole, and the next save goes on from there; a write
// that reaches its end replaces it.
TEST_F(SavedProfile, ASaveKilledAtAnyByteLeavesTheOldProfileWhole)
{
    profile.CreateShip("Second");
    profile.SetCash(200);
    const size_t size = old.size() + 4 + 17 * 4 + 64 + 1; // one more ship with the default devices
    for (const size_t limit : {size_t(0), size_t(1), size_t(4), size_t(31), size_t(64), size - 1, size})
    {
        SCOPED_TRACE(limit);
        pid_t child = fork();
        ASSERT_NE(-1, child);
        if (child == 0)
        {
            const rlimit noCore{0, 0};
            const rlimit cut{limit, limit};
            setrlimit(RLIMIT_CORE, &noCore);
            setrlimit(RLIMIT_FSIZE, &cut);
            profile.Save();
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(child, waitpid(child, &status, 0));
        UserProfile reloaded(data.Context());
        reloaded.Create("Vera");
        ASSERT_TRUE(reloaded.Load());
        if (limit == size)
        {
            EXPECT_TRUE(WIFEXITED(status)) << "the whole file fits";
            EXPECT_EQ(200, reloaded.GetCash());
            EXPECT_EQ(2, reloaded.GetShipCount());
            continue;
        }
        ASSERT_TRUE(WIFSIGNALED(status)) << "the save ran through";
        EXPECT_EQ(SIGXFSZ, WTERMSIG(status));
        EXPECT_EQ(limit, std::filesystem::file_size("profiles/Vera.prf.tmp"));
        EXPECT_EQ(old, folder.Read("profiles/Vera.prf"));
        EXPECT_EQ(100, reloaded.GetCash());
        EXPECT_EQ(1, reloaded.GetShipCount());
    }
    EXPECT_FALSE(std::filesystem::exists("profiles/Vera.prf.unreadable")) << "no file was damaged";
    ASSERT_TRUE(profile.Save());
    EXPECT_FALSE(std::filesystem::exists("profiles/Vera.prf.tmp"));
}
