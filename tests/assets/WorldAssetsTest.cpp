#include "AssetNames.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/base/Dumper.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/TableIterator.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/gamedata/Base.h"

// The mission frame's files: the demo mission, the loading screen, the white fade and the
// particle materials it loads after a level.
TEST(Assets, MissionFrame)
{
    ExpectAssetsPresent({
        "levels\\demo.lua",
        "levels\\demo_desc.lua",
        "levels\\demo_logic.lua",
        "swf/preloader.lua",
        "texts//en//ui_preloader.txt",
        "materials/black.mat",
        "materials/fade.mat",
        "materials/prt_particles00_add.mat",
        "materials/prt_particles00_alp.mat",
        "materials/prt_particles00_ref.mat",
        "materials/prt_particles01_add.mat",
        "materials/prt_particles01_alp.mat",
        "materials/prt_particles02_add.mat",
        "materials/prt_particles03_add.mat",
        "materials/prt_particles03_alp.mat",
        "materials/prt_particlesexp00_add.mat",
        "materials/prt_particlesexp01_add.mat",
        "materials/prt_particlesexp01_alp.mat",
        "materials/prt_sparks_00_add.mat",
        "materials/prt_sparks_00_alp.mat",
    });
}

// What the demo mission's files name resolves in the demo data: every entry's prototype is a
// record of the game data, and its sky and loose ship parts are files.
TEST(Assets, DemoMissionResolves)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(GAME_DATA_DIR);
    VirtualMachine vm;
    Base base(&vm, &Dumper::Instance());
    base.Load(false);

    std::vector<std::string> files;
    Table desc = vm.CreateNewTable();
    desc.SetGlobalName(Name("LevelDesc"));
    ASSERT_EQ(0, vm.ExecFile("levels\\demo_desc.lua"));
    Table background;
    ASSERT_TRUE(desc.GetTable("Background", background));
    char name[128] = {};
    if (background.GetString("sky_model", name, sizeof name) && name[0])
        files.push_back(std::string("assets/") + name);
    else if (background.GetString("env", name, sizeof name))
        files.push_back(std::string("materials/") + name);

    Table level = vm.CreateNewTable();
    level.SetGlobalName(Name("Level"));
    ASSERT_EQ(0, vm.ExecFile("levels\\demo.lua"));
    std::string unknown;
    TableIterator it(level);
    for (it.Begin(); it.End(); it.Next())
    {
        Table entry = it.ToTable();
        char classname[64] = {};
        char prototype[64] = {};
        entry.GetString("classname", classname, sizeof classname);
        entry.GetString("prototype", prototype, sizeof prototype);
        if (entry.GetString("shippart", name, sizeof name))
            files.push_back(std::string("assets/") + name);
        else if (std::strcmp(classname, "ship") == 0 && !base.GetShipByName(prototype))
            unknown += std::string(" ship ") + prototype;
        else if (std::strcmp(classname, "object") == 0 && !base.GetObjectByName(prototype))
            unknown += std::string(" object ") + prototype;
    }
    std::filesystem::current_path(previous);
    EXPECT_TRUE(unknown.empty()) << "not in the game data:" << unknown;
    ExpectAssetsPresent(files);
}
