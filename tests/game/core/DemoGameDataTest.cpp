// The demo game data: it loads cleanly, and the records name each other, the texts and the
// classes of the game consistently.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "CoreTestSupport.h"
#include "foundation/base/Dumper.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/gamedata/Base.h"
#include "game/core/texts/GameTexts.h"

namespace {
class DemoGameData : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(GAME_DATA_DIR);
        LogWatch log;
        vm = new VirtualMachine;
        base = new Base(vm, &Dumper::Instance());
        base->Load(false);
        loadLog = log.All();
        loadWarnings = log.Warnings() + log.Errors();
    }
    static void TearDownTestSuite()
    {
        delete base;
        delete vm;
        std::filesystem::current_path(previous);
    }

    static std::string RaceCode(float race)
    {
        const char* codes[] = {"ASP", "BLG", "FSLK", "RTB", "SHA", "SMKT", "TLD", "YTG"};
        int number = static_cast<int>(race);
        return number >= 1 && number <= 8 ? codes[number - 1] : "ASP";
    }

    static inline std::filesystem::path previous;
    static inline VirtualMachine* vm;
    static inline Base* base;
    static inline std::string loadLog;
    static inline int loadWarnings;
};
} // namespace

TEST_F(DemoGameData, LoadsEveryKindWithoutWarnings)
{
    EXPECT_EQ(0, loadWarnings) << loadLog;
    const std::pair<const char*, int> counts[] = {{"Objects", 52}, {"Devices", 29}, {"Weapons", 17},
                                                  {"Ships", 15},   {"Parts", 27},   {"Npcs", 10}};
    for (const auto& [kind, count] : counts)
    {
        std::string line = std::string("\t  Loading Gamedata ... ") + kind + " (" + std::to_string(count) + ")\n";
        EXPECT_NE(std::string::npos, loadLog.find(line)) << line;
    }
    ASSERT_NE(nullptr, base->GetDefault());
    EXPECT_STREQ("dummy_shippart", base->GetDefault()->name);
}

// What the profiles and the hangar look up: the default fit, the weapons of weapon devices, and
// the texts codes that name devices and pilots.
TEST_F(DemoGameData, HangarFindsTheDefaultFitTheirWeaponsAndTheirNames)
{
    std::set<std::pair<int, int>> slots;
    for (float uid : {31111, 13213, 28937, 4683, 5598, 8855, 20584, 590, 8404, 29404, 24388, 32285, 7719, 16703, 33662,
                      31673, 31679})
    {
        const DeviceType* device = base->GetDeviceByUid(uid);
        ASSERT_NE(nullptr, device) << uid;
        slots.insert({static_cast<int>(device->type), static_cast<int>(device->subType)});
    }
    EXPECT_EQ(17u, slots.size()) << "one default device per slot";

    GameTexts texts;
    for (const char* file : {"ui_devices_asp.txt", "ui_devices_blg.txt", "ui_devices_fslk.txt", "ui_devices_rtb.txt",
                             "ui_devices_sha.txt", "ui_devices_tld.txt", "ui_devices_ytg.txt", "names_pirates.txt"})
        texts.LoadTextsFromFile("en", file);
    LogWatch log;
    for (int i = 0; i < base->GetDeviceCount(); ++i)
    {
        const DeviceType* device = base->GetDeviceByIndex(i);
        EXPECT_STRNE(device->name, texts.GetTextByCode(device->name)) << "no text for " << device->name;
        if (device->type != 0)
            continue;
        if (device->weaponPrototypeLinkUid != 0)
        {
            EXPECT_NE(nullptr, base->GetWeaponByUid(device->weaponPrototypeLinkUid)) << device->name;
        }
        for (const char* weapon : {"PlayerBlaster00", "PlayerBlaster01", "PlayerRocket00", "PlayerTorpeda00"})
            EXPECT_NE(nullptr, base->GetWeaponByName((RaceCode(device->race) + weapon).c_str()));
    }
    int pirates = 0;
    for (int i = 0; i < base->GetNpcCount(); ++i)
    {
        const NpcType* npc = base->GetNpcByIndex(i);
        EXPECT_STRNE(npc->name, texts.GetTextByCode(npc->name)) << "no text for " << npc->name;
        pirates += npc->type == 1;
    }
    EXPECT_GE(pirates, 6) << "the stock exchange shows six pirates";
    EXPECT_NE(nullptr, base->GetShipByName("Player"));
    EXPECT_EQ(0, log.Warnings()) << log.All();
}

// What a mission looks up: ship classes the mission frame can create, the weapons those classes
// mount, the objects that breaking things leave, and the weapon kinds.
TEST_F(DemoGameData, MissionFindsShipClassesWeaponsAndObjects)
{
    const std::set<std::string> shipClasses = {
        "Fighter",          "Player",           "YtgSush02",        "YtgDrTr02",
        "YtgBrrk00",        "YtgScStation00",   "YtgFighter02",     "ShipBlgFighter00",
        "ShipBlgFighter01", "ShipBlgFighter02", "ShipBlgFighter03", "BlgCruiser02",
        "RtbCruiser00",     "ShipRtbFighter02", "ShipRtbFighter03", "Ship"};
    for (int i = 0; i < base->GetShipCount(); ++i)
        EXPECT_EQ(1u, shipClasses.count(base->GetShipByIndex(i)->classname)) << base->GetShipByIndex(i)->name;
    EXPECT_STREQ("Player", base->GetShipByName("Player")->classname);

    for (int i = 0; i < base->GetWeaponCount(); ++i)
    {
        std::string kind = base->GetWeaponByIndex(i)->classname;
        EXPECT_TRUE(kind == "Burst" || kind == "Lazer" || kind == "Rocket") << kind;
    }

    LogWatch log;
    for (const char* weapon : {"Blaster00", "Blaster01", "BlgBlaster00", "BlgBlaster01Huge", "BlgBlaster03Huge",
                               "Torpeda01", "RtbBlaster00"})
        EXPECT_NE(nullptr, base->GetWeaponByName(weapon));
    std::vector<std::string> objects = {"ast_m_a", "ast_l_a", "ast_l_b"};
    for (char piece : std::string("abcde"))
        objects.push_back(std::string("ast_m_a_") + piece);
    for (char piece : std::string("abcdefghijk"))
        objects.push_back(std::string("ytg_fighter_02_") + piece);
    for (int n = 0; n < 10; ++n)
        objects.push_back("ytg_debris_0" + std::to_string(n));
    for (const std::string& object : objects)
        EXPECT_NE(nullptr, base->GetObjectByName(object.c_str()));
    for (const char* part : {"ytg_korpus_bolsh_dvig", "ytg_bolsh_dvigatel", "ytg_sush_02_kabina",
                             "ytg_centraln_blok_tr", "ytg_st_dvig_dr1", "ytg_energ_caps_trb"})
        EXPECT_NE(nullptr, base->GetPartByName(part));
    EXPECT_EQ(0, log.Warnings()) << log.All();
}
