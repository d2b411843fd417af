// The game-data database: reading records from files the tests write, identifiers, lookups,
// reloading and writing back.
#include <gtest/gtest.h>

#include <string>

#include "CoreTestSupport.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Random.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/gamedata/Base.h"

namespace {
// A database over a working folder whose "gamedata/" holds the files a test writes; files it
// does not write are missing, which only costs their records.
class GameDataTest : public testing::Test
{
protected:
    void Write(const std::string& file, const std::string& content) { folder.Write("gamedata/" + file, content); }
    void Load(bool reload = false)
    {
        testing::internal::CaptureStderr(); // the interpreter's notes on the missing files
        base.Load(reload);
        testing::internal::GetCapturedStderr();
    }

    WorkingFolder folder;
    VirtualMachine vm;
    Base base{&vm, &Dumper::Instance()};
};
} // namespace

TEST_F(GameDataTest, DevicesAreSortedByRaceThenPriorityKeepingFileOrderOnTies)
{
    Write("devices.lua", "Devices.el_1 = { name = \"a\"; race = 2; priority = 1; uid = 1; };\n"
                         "Devices.el_2 = { name = \"b\"; race = 1; priority = 5; uid = 2; };\n"
                         "Devices.el_3 = { name = \"c\"; race = 1; priority = 2; uid = 3; };\n"
                         "Devices.el_4 = { name = \"d\"; race = 1; priority = 5; uid = 4; };\n");
    Load();
    std::string order;
    for (int i = 0; i < base.GetDeviceCount(); ++i)
        order += base.GetDeviceByIndex(i)->name;
    EXPECT_EQ("cbda", order);
}

// Records keep the order of their element numbers, not the interpreter's table order.
TEST_F(GameDataTest, RecordsFollowTheirElementNumbers)
{
    std::string file;
    for (int i : {12, 3, 1, 10, 2, 11})
        file += "Npcs.el_" + std::to_string(i) + " = { name = \"n" + std::to_string(i) + "\"; };\n";
    Write("npcs.lua", file);
    Load();
    std::string order;
    for (int i = 0; i < base.GetNpcCount(); ++i)
        order += std::string(base.GetNpcByIndex(i)->name) + " ";
    EXPECT_EQ("n1 n2 n3 n10 n11 n12 ", order);
}

TEST_F(GameDataTest, IdentifiersGivenMissingAndZero)
{
    Write("objects.lua", "Objects.el_1 = { name = \"given\"; uid = 7; };\n"
                         "Objects.el_2 = { name = \"missing\"; };\n"
                         "Objects.el_3 = { name = \"zero\"; uid = 0; };\n"
                         "Objects.el_4 = { name = \"negative\"; uid = -3; };\n"
                         "Objects.el_5 = { name = \"after\"; };\n");
    Write("devices.lua", "Devices.el_1 = { name = \"random\"; };\n"
                         "Devices.el_2 = { name = \"given\"; uid = 31111; };\n");
    EngineSeed(1234);
    const float drawn = static_cast<float>(EngineRandom());
    ASSERT_NE(0, drawn);
    EngineSeed(1234);
    Load();
    EXPECT_EQ(7, base.GetObjectByName("given")->uid);
    EXPECT_EQ(8, base.GetObjectByName("missing")->uid);
    EXPECT_EQ(9, base.GetObjectByName("zero")->uid);
    EXPECT_EQ(-3, base.GetObjectByName("negative")->uid);
    EXPECT_EQ(10, base.GetObjectByName("after")->uid);
    EXPECT_EQ(drawn, base.GetDeviceByName("random")->uid);
    EXPECT_EQ(base.GetDeviceByName("given"), base.GetDeviceByUid(31111));
}

TEST_F(GameDataTest, WeaponNamesIgnoreCaseAndOtherNamesDoNot)
{
    Write("weapons.lua", "Weapons.el_1 = { name = \"Blaster\"; damage = 1; };\n"
                         "Weapons.el_2 = { name = \"BLASTER\"; damage = 2; };\n");
    Write("ships.lua", "Ships.el_1 = { name = \"Fighter\"; };\n");
    Load();
    LogWatch log;
    for (const char* name : {"Blaster", "BLASTER", "blaster"})
        EXPECT_EQ(1, base.GetWeaponByName(name)->damage) << name;
    EXPECT_EQ(0, log.Warnings());
    EXPECT_EQ(nullptr, base.GetShipByName("fighter"));
    EXPECT_EQ(1, log.Count("  Failed to load ship prototype \"fighter\" : File not found\n"));
    EXPECT_EQ(nullptr, base.GetWeaponByUid(99));
    EXPECT_EQ(1, log.Warnings());
}

TEST_F(GameDataTest, ValuesOfTheWrongTypeAreIgnoredAndMissingKeysKeepDefaults)
{
    Write("ships.lua", "Ships.el_1 = { name = 5; speed = \"fast\"; classname = \"Fighter\"; unknown = 3; };\n");
    Write("weapons.lua", "Weapons.el_1 = { name = \"w\"; color = 16711680.9; };\n"
                         "Weapons.el_2 = { name = \"plain\"; };\n");
    Write("constructor_unknown.lua", "Parts.el_1 = { name = \"p\"; };\n");
    Write("npcs.lua", "Npcs.el_1 = { lvl = 2; };\n");
    Load();
    const ShipType* ship = base.GetShipByIndex(0);
    ASSERT_NE(nullptr, ship);
    EXPECT_STREQ("", ship->name);
    EXPECT_STREQ("Fighter", ship->classname);
    EXPECT_EQ(100, ship->speed);
    EXPECT_EQ(10, ship->speedAng);
    EXPECT_EQ(16711680, base.GetWeaponByName("w")->color);
    const WeaponType* plain = base.GetWeaponByName("plain");
    EXPECT_EQ(-1, plain->amount);
    EXPECT_EQ(-1, plain->color);
    EXPECT_STREQ("$proxy", base.GetPartByName("p")->meshname);
    EXPECT_STREQ("$proxy", base.GetPartByName("p")->physname);
    const NpcType* npc = base.GetNpcByIndex(0);
    EXPECT_STREQ("(unnamed)", npc->name);
    EXPECT_STREQ("npcs/none.mat", npc->face);
    EXPECT_EQ(2, npc->lvl);
}

TEST_F(GameDataTest, OverlongTextsAreCutToTheirArrays)
{
    const std::string longName(100, 'n');
    const std::string longMesh(300, 'm');
    Write("constructor_ytg.lua", "Parts.el_1 = { name = \"" + longName + "\"; meshname = \"" + longMesh + "\"; };\n");
    LogWatch log;
    Load();
    const ObjectPartType* part = base.GetPartByIndex(0);
    EXPECT_EQ(longName.substr(0, 63), part->name);
    EXPECT_EQ(longMesh.substr(0, 255), part->meshname);
    EXPECT_STREQ("$proxy", part->physname);
    EXPECT_EQ(2, log.Count("cut to"));
}

TEST_F(GameDataTest, ReloadUpdatesShipsInPlaceAndAppendsOtherKinds)
{
    Write("ships.lua", "Ships.el_1 = { name = \"dummy_shippart\"; speed = 50; armor = 7; };\n");
    Write("objects.lua", "Objects.el_1 = { name = \"rock\"; hp = 1; };\n");
    Load();
    ShipType* ship = base.GetShipByName("dummy_shippart");
    ObjectType* rock = base.GetObjectByName("rock");
    ASSERT_NE(nullptr, ship);
    EXPECT_EQ(ship, base.GetDefault());

    Write("ships.lua", "Ships.el_1 = { name = \"dummy_shippart\"; speed = 80; };\n"
                       "Ships.el_2 = { name = \"newcomer\"; };\n");
    Write("objects.lua", "Objects.el_1 = { name = \"rock\"; hp = 2; };\n");
    LogWatch log;
    Load(true);
    EXPECT_EQ(2, base.GetShipCount());
    EXPECT_EQ(ship, base.GetShipByName("dummy_shippart"));
    EXPECT_EQ(80, ship->speed);
    EXPECT_EQ(7, ship->armor) << "a key the new table leaves out keeps the old value";
    EXPECT_EQ(1, log.Count("  Failed to load ship prototype \"newcomer\" : File not found\n"));
    EXPECT_EQ(2, base.GetObjectCount());
    EXPECT_EQ(rock, base.GetObjectByName("rock"));
    EXPECT_EQ(1, rock->hp);
}

TEST_F(GameDataTest, MaximaGrowWithTheLargestValuesRead)
{
    Write("devices.lua", "Devices.el_1 = { shield = 300; speed = -5; acceleration = 20; uid = 1; };\n"
                         "Devices.el_2 = { shield = 100; armorRegen = 4; uid = 2; };\n");
    Write("weapons.lua", "Weapons.el_1 = { classname = \"Burst\"; damage = 30; speed = 100; lifetime = 2; };\n"
                         "Weapons.el_2 = { classname = \"burst\"; damage = 50; delay = 3; amount = 12; };\n");
    Load();
    const GameDataMaxima& m = base.GetMaxima();
    EXPECT_EQ(300, m.deviceShield);
    EXPECT_EQ(0, m.deviceSpeed);
    EXPECT_EQ(20, m.deviceAcceleration);
    EXPECT_EQ(4, m.deviceArmorRegen);
    EXPECT_EQ(30, m.burstDamage);
    EXPECT_EQ(50, m.otherDamage) << "only the exact class name \"Burst\" counts as a burst weapon";
    EXPECT_EQ(200, m.weaponRange);
    EXPECT_EQ(3, m.weaponDelay);
    EXPECT_EQ(12, m.weaponAmount);
}

TEST_F(GameDataTest, BrokenFileAddsNothingAndLoadingGoesOn)
{
    Write("objects.lua", "Objects.el_1 = { name = \"rock\" ;\n"); // unfinished table
    Write("npcs.lua", "Npcs.el_1 = { name = \"pirate\"; };\nNpcs.el_2 = 5;\nNpcs.list = { { name = \"x\" } };\n");
    // Past the memory bound after its record: the file fails as a whole, and the next one loads.
    Write("devices.lua", "Devices.el_1 = { name = \"shield\" };\nlocal s = \"x\" for i = 1, 40 do s = s .. s end\n");
    Write("weapons.lua", "Weapons.el_1 = { name = \"laser\" };\n");
    LogWatch log;
    Load();
    EXPECT_EQ(0, base.GetDeviceCount());
    EXPECT_EQ(1, base.GetWeaponCount());
    EXPECT_EQ(1, log.Count("gamedata\\devices.lua: the script took more than 64 MB of memory and was stopped"))
        << log.All();
    EXPECT_LT(vm.GetGCCount(), 1 << 10) << "kilobytes: the memory is given back";
    EXPECT_EQ(0, base.GetObjectCount());
    EXPECT_EQ(2, base.GetNpcCount()) << "a member that is not a table is skipped; a list is a table";
    EXPECT_EQ(1, log.Count("\t  Loading Gamedata ... Objects (0)\n"));
    EXPECT_EQ(1, log.Count("\t  Loading Gamedata ... Npcs (2)\n"));
    EXPECT_EQ(nullptr, base.GetDefault());
    EXPECT_EQ(1, log.Count("Failed to load ship prototype \"dummy_shippart\""));
}

TEST_F(GameDataTest, CountsByKindAndIndexBounds)
{
    base.AddShip();
    base.AddNpc();
    base.AddNpc();
    const int expected[] = {1, 0, 0, 0, 0, 2};
    for (int kind = 0; kind < 6; ++kind)
        EXPECT_EQ(expected[kind], base.GetCount(kind)) << kind;
    EXPECT_EQ(-1, base.GetCount(6));
    EXPECT_EQ(-1, base.GetCount(-1));
    EXPECT_EQ(nullptr, base.GetNpcByIndex(2));
    EXPECT_EQ(nullptr, base.GetNpcByIndex(-1));
    base.Clear();
    EXPECT_EQ(0, base.GetNpcCount());
}

TEST(GameDataFactors, ByDifficulty)
{
    VirtualMachine vm;
    Base base(&vm, &Dumper::Instance());
    EXPECT_EQ(0.5f, base.GetPartStrengthFactor(0));
    EXPECT_EQ(2.0f, base.GetPartStrengthFactor(3));
    EXPECT_EQ(0.75f, base.GetPlayerDamageFactor(1));
    EXPECT_EQ(0.25f, base.GetPlayerRegenerationFactor(3));
    EXPECT_EQ(0.25f, base.GetPlayerRegenerationFactor(7));
}

TEST(TypeRecords, CopiesAreIndependent)
{
    ShipType source;
    std::snprintf(source.name, sizeof source.name, "original");
    source.speed = 1;
    ShipType copy;
    copy = source;
    source.speed = 2;
    std::snprintf(source.name, sizeof source.name, "changed");
    EXPECT_STREQ("original", copy.name);
    EXPECT_EQ(1, copy.speed);
}

TEST_F(GameDataTest, SaveWritesTheRecordFormat)
{
    folder.Write("gamedata/keep.txt", "");
    ShipType* ship = base.AddShip();
    std::snprintf(ship->name, sizeof ship->name, "dummy");
    std::snprintf(ship->classname, sizeof ship->classname, "Ship");
    std::snprintf(ship->icon, sizeof ship->icon, "i.mat");
    ship->speed = 12.6f;
    base.AddShip(); // no name: not written, but it keeps its element number
    std::snprintf(base.AddShip()->name, sizeof ship->name, "third");
    ASSERT_TRUE(base.Save());

    const std::string golden = "Ships.el_0 = \n"
                               "{\n"
                               "\t-- main\n"
                               "\tname\t\t\t= \"dummy\";\n"
                               "\tclassname\t\t= \"Ship\";\n"
                               "\ttype\t\t\t= 0;\n"
                               "\trace\t\t\t= 0;\n"
                               "\tisDestructable\t\t\t= 0.000000;\n"
                               "\tstructure\t\t= 100;\n"
                               "\tarmor\t\t\t= 100;\n"
                               "\tshield\t\t\t= 100;\n"
                               "\tstructureRegen\t\t= 0;\n"
                               "\tarmorRegen\t\t\t= 0;\n"
                               "\tshieldRegen\t\t\t= 0;\n"
                               "\tspeed\t\t\t= 13;\n"
                               "\tacceleration\t\t\t= 20;\n"
                               "\tdumping\t\t\t= 20;\n"
                               "\tspeedAng\t\t\t= 10;\n"
                               "\taccelerationAng\t\t\t= 5;\n"
                               "\tdumpingAng\t\t\t= 5;\n"
                               "\tvisibilityRange\t\t\t= 1000;\n"
                               "\tsupportRange\t\t\t= 0;\n"
                               "\tdefenceRange\t\t\t= 0;\n"
                               "\tattackSpeed\t\t\t= 60;\n"
                               "\tturnAwaySpeed\t\t\t= 100;\n"
                               "\tsupportSpeed\t\t\t= 100;\n"
                               "\trender\t\t\t= \"\";\n"
                               "\tphys\t\t\t= \"\";\n"
                               "\ticon\t\t\t= \"i.mat\";\n"
                               "\tuid\t\t\t= 1.000000;\n"
                               "\tmass\t\t\t= 0.100000;\n"
                               "\tthrottle\t\t\t= 10.000000;\n"
                               "\tcollisionRadius\t\t\t= 10.000000;\n"
                               "};\n"
                               "\n";
    const std::string ships = folder.Read("gamedata/ships.lua");
    EXPECT_EQ(golden, ships.substr(0, golden.size()));
    EXPECT_EQ(std::string::npos, ships.find("el_1 "));
    EXPECT_NE(std::string::npos, ships.find("Ships.el_2 = \n"));
}

TEST_F(GameDataTest, SaveSplitsWeaponsAndReadsBack)
{
    folder.Write("gamedata/keep.txt", "");
    const char* names[] = {"ai", "player", "other"};
    for (int player = 0; player < 3; ++player)
    {
        WeaponType* weapon = base.AddWeapon();
        std::snprintf(weapon->name, sizeof weapon->name, "%s", names[player]);
        weapon->player = static_cast<float>(player);
        weapon->color = -16776961;
    }
    std::snprintf(base.GetWeaponByIndex(0)->material, 64, "say \"hi\"\\\n");
    std::snprintf(base.AddPart()->name, 64, "part");
    ASSERT_TRUE(base.Save());

    const std::string ai = folder.Read("gamedata/weapons.lua");
    const std::string player = folder.Read("gamedata/weapons_player.lua");
    EXPECT_NE(std::string::npos, ai.find("Weapons.el_0 = \n"));
    EXPECT_NE(std::string::npos, ai.find("\tcolor\t\t\t= -16776961;\n"));
    EXPECT_NE(std::string::npos, player.find("Weapons.el_1 = \n"));
    EXPECT_EQ(std::string::npos, (ai + player).find("\"other\""));
    const std::string parts = folder.Read("gamedata/parts.lua");
    EXPECT_NE(std::string::npos, parts.find("\tphysname\t\t\t= \"$proxy\";\n"));
    EXPECT_EQ(std::string::npos, parts.find("hpKoef"));

    VirtualMachine otherVm;
    Base reread(&otherVm, &Dumper::Instance());
    testing::internal::CaptureStderr();
    reread.Load(false);
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(2, reread.GetWeaponCount());
    EXPECT_STREQ("say \"hi\"\\\n", reread.GetWeaponByName("ai")->material);
    EXPECT_EQ(-16776961, reread.GetWeaponByName("ai")->color);
    EXPECT_EQ(1, reread.GetWeaponByName("player")->player);
}

TEST_F(GameDataTest, SaveIntoAMissingFolderFailsWithAnError)
{
    std::snprintf(base.AddShip()->name, 64, "s");
    LogWatch log;
    EXPECT_FALSE(base.Save());
    EXPECT_EQ(7, log.Errors());
}
