// The hangar frame in the started game on the assembled game data: the ship assembled from the
// meshes its devices name, what fitting a device exchanges, the view, and what leaving keeps.
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "FlashFixture.h"
#include "MaterialSystem/MaterialSystem.h"
#include "foundation/base/Timer.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/profiles/ProfileManager.h"
#include "gui/FrameCatalog.h"
#include "game/profiles/ProfileShip.h"
#include "gui/hangar/ConstructionAngar.h"
#include "gui/hangar/GuiConstructionAngar.h"
#include "gui/hangar/GuiDevicesBalance.h"
#include "gui/hangar/GuiTopButtons.h"
#include "platform/window/Window.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "scene/particles/Emitter.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

using Strings = std::vector<std::string>;

// The file a hangar model was made of: the name of its first node. Mirrored copies read "~file".
std::string FileOf(Node* node)
{
    if (node->GetType() != NT_MODEL || node->GetNumChildren() == 0)
        return "";
    const Bone* bone = node->AsBone();
    const std::string file = node->GetChild(0)->GetName().Str();
    return bone && bone->GetLocalScale().x < 0.0f ? "~" + file : file;
}

// The models hanging under a bone, sorted.
Strings Mounted(Bone* bone)
{
    Strings files;
    for (unsigned i = 0; bone && i < bone->GetNumChildren(); ++i)
    {
        const std::string file = FileOf(bone->GetChild(i));
        if (!file.empty())
            files.push_back(file);
    }
    std::sort(files.begin(), files.end());
    return files;
}

Model* FindMounted(Bone* bone, const std::string& file)
{
    for (unsigned i = 0; bone && i < bone->GetNumChildren(); ++i)
    {
        if (FileOf(bone->GetChild(i)) == file)
            return static_cast<Model*>(bone->GetChild(i));
    }
    return nullptr;
}

class HangarFrameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Window::Style style;
        style.hidden = true;
        std::string error;
        _window = Window::Create("hangar test", 1024, 768, style, &error);
        if (!_window)
            GTEST_SKIP() << "no display: " << error;
        GuiTopButtons::ResetState();
        InstallGameFrames();
        // On the empty frame: the intro's video would switch to the main menu on the wall
        // clock, over the hangar.
        game.Start(_window->GetHandle(), true);
        _clock.Start(30.0f);
        game.SetTimer(&_clock);
        _frames = game.GetGameFrameManager();
        _profile = game.GetProfileManager()->CreateProfile("Hangar");
        ASSERT_NE(_profile, nullptr);
        ASSERT_TRUE(Open("angar"));
        _angar = game.GetConstructionAngar();
        ASSERT_NE(_angar, nullptr);
        ASSERT_EQ(_frames->GetCurrent(), _angar);
    }
    void TearDown() override
    {
        if (!_window)
            return;
        game.SetTimer(nullptr);
        game.ShutDown();
        _window.reset();
    }
    // Switches to the frame and runs frames until its fade is over; callers assert on it, so
    // that no test goes on with another frame.
    [[nodiscard]] testing::AssertionResult Open(const char* name)
    {
        _frames->SetActive(name);
        for (int i = 0; i < 100; ++i)
        {
            Step();
            if (_frames->GetCurrent() && std::string(_frames->GetCurrent()->GetName()) == name &&
                _frames->GetStatus() == GameFrameManager::FADE_NONE)
                return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "frame " << name << " did not come";
    }
    // One frame of a thirtieth of a second.
    void Step()
    {
        ++_ticks;
        _clock.Tick();
        game.Proceed();
    }
    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i)
            Step();
    }
    void Fit(float uid)
    {
        DeviceType* device = game.GetBase()->GetDeviceByUid(uid);
        ASSERT_NE(device, nullptr) << uid;
        _angar->SwitchDevice(device, int(device->type), int(device->subType));
    }
    Bone* Part(int index) const { return _angar->GetPartBone(index); }

    GameDataFolder _data;
    int64_t _ticks = 0;
    Timer _clock{0.75f, [this] { return _ticks; }, 30};
    std::unique_ptr<Window> _window;
    GameFrameManager* _frames = nullptr;
    UserProfile* _profile = nullptr;
    ConstructionAngar* _angar = nullptr;
    LogWatch _log;
};

enum
{
    LEFT = 0,
    RIGHT = 1,
    COCKPIT_FRONT = 2,
    COCKPIT_REAR = 3,
    PLATING = 4,
};

} // namespace

TEST_F(HangarFrameTest, DefaultShipIsAssembledFromTheMeshesOfItsDevices)
{
    EXPECT_EQ(
        Mounted(_angar->GetShipRoot()),
        (Strings{"pl_armor_c_asp_a", "pl_armor_c_asp_a",         "pl_armor_k_asp_a",       "pl_armor_k_asp_a",
                 "pl_armor_s_asp_a", "pl_armor_s_asp_a",         "pl_armor_s_asp_a",       "pl_armor_z_asp_a",
                 "pl_armor_z_asp_a", "pl_armor_z_asp_a",         "pl_armor_z_asp_a",       "pl_cannon_course_asp_a",
                 "pl_engine_asp_a",  "pl_engine_drive_asp_a",    "pl_engine_drive_asp_ac", "pl_front_cannon_asp_a",
                 "pl_reactor_asp_a", "pl_reactor_console_asp_a", "pl_reactor_drive_blg_a", "pl_reactor_kompres_blg",
                 "pl_structura",     "~pl_armor_k_asp_a",        "~pl_armor_k_asp_a"}))
        << "armour K without third and fourth assets mirrors its first two";
    // The wing weapons take the hull's race code in capitals; the right side mirrors the left.
    EXPECT_EQ(Mounted(Part(LEFT)),
              (Strings{"pl_covered_asp_a", "pl_wing_cannon_ASP", "pl_wing_launcher_ASP", "pl_wing_torpedo_ASP"}));
    EXPECT_EQ(Mounted(Part(RIGHT)),
              (Strings{"~pl_covered_asp_a", "~pl_wing_cannon_ASP", "~pl_wing_launcher_ASP", "~pl_wing_torpedo_ASP"}));
    EXPECT_EQ(Mounted(Part(COCKPIT_FRONT)), Strings{"pl_cockpit_asp_a"});
    EXPECT_EQ(Mounted(Part(COCKPIT_REAR)), Strings{"pl_cockpit_rear_asp_a"});
    EXPECT_EQ(Mounted(Part(PLATING)), Strings{"pl_armor_p_asp_a"});
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(HangarFrameTest, HullCoveringTurnsTheWingWeaponsToItsRaceAndVariant)
{
    Fit(8002); // the YTG "_b" hull
    EXPECT_EQ(Mounted(Part(LEFT)),
              (Strings{"pl_covered_ytg_b", "pl_wing_cannon_YTG_b", "pl_wing_launcher_YTG", "pl_wing_torpedo_YTG"}));
    EXPECT_EQ(Mounted(Part(RIGHT)).front(), "~pl_covered_ytg_b");
    Fit(2001); // BLG, no variant
    EXPECT_EQ(Mounted(Part(LEFT)),
              (Strings{"pl_covered_blg_a", "pl_wing_cannon_BLG", "pl_wing_launcher_BLG", "pl_wing_torpedo_BLG"}));
    EXPECT_EQ(_profile->GetShip()->GetDevice(1, 0)->uid, 2001.0f);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(HangarFrameTest, FrontCannonAndExternalAdditionShareTheNose)
{
    Bone* root = _angar->GetShipRoot();
    Fit(1003);
    EXPECT_EQ(FindMounted(root, "pl_front_cannon_asp_a"), nullptr);
    EXPECT_NE(FindMounted(root, "pl_add_external_asp_a"), nullptr);
    EXPECT_EQ(_profile->GetShip()->GetFlag(), 0);
    Fit(1001);
    EXPECT_EQ(FindMounted(root, "pl_add_external_asp_a"), nullptr);
    EXPECT_NE(FindMounted(root, "pl_front_cannon_asp_b"), nullptr);
    EXPECT_EQ(_profile->GetShip()->GetFlag(), 1);

    // The same device again changes nothing on the ship but still rebuilds its mesh.
    const unsigned devices = _profile->GetShip()->GetDeviceCount();
    Fit(1001);
    EXPECT_EQ(_profile->GetShip()->GetDeviceCount(), devices);
    EXPECT_EQ(Mounted(root).size(), 23u);
    EXPECT_NE(FindMounted(root, "pl_front_cannon_asp_b"), nullptr);
}

TEST_F(HangarFrameTest, YtgDrivesCarryFlamesOnTheirBones)
{
    Fit(8003);
    Fit(8004);
    Model* drive = FindMounted(_angar->GetShipRoot(), "pl_engine_drive_ytg_a");
    Model* centre = FindMounted(_angar->GetShipRoot(), "pl_engine_drive_ytg_ac");
    ASSERT_NE(drive, nullptr);
    ASSERT_NE(centre, nullptr);
    for (const char* bone : {"Omni01", "Omni02"})
    {
        Bone* flameBone = drive->FindBone(Name(bone));
        ASSERT_NE(flameBone, nullptr) << bone;
        ASSERT_EQ(flameBone->GetNumChildren(), 1u) << bone;
        EXPECT_EQ(flameBone->GetChild(0)->GetType(), NT_EMITTER);
        EXPECT_GT(static_cast<Emitter*>(flameBone->GetChild(0))->GetNumParticleEmitters(), 0u);
    }
    Bone* centreBone = centre->FindBone(Name("Omni01"));
    ASSERT_NE(centreBone, nullptr);
    ASSERT_EQ(centreBone->GetNumChildren(), 1u);
    EXPECT_FLOAT_EQ(centreBone->GetChild(0)->AsBone()->GetLocalPos().z, -50.0f);
    Run(3);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(HangarFrameTest, VisitsLeaveNoNodeBehindAndLeavingSavesThePilot)
{
    RenderScene* scene = game.GetRenderScene();
    const unsigned stage = scene->GetStageRoot()->GetNumChildren();
    const unsigned back = scene->GetBackRoot()->GetNumChildren();
    const int layers = LayerManager::GetRoot()->GetChildsCount();
    for (int i = 0; i < 2; ++i)
    {
        _frames->ReloadCurrentFrame();
        Run(2);
    }
    EXPECT_EQ(scene->GetStageRoot()->GetNumChildren(), stage);
    EXPECT_EQ(scene->GetBackRoot()->GetNumChildren(), back);
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), layers);

    Fit(8002);
    const std::filesystem::path file = _data.GetPath() / "profiles" / "Hangar.prf";
    std::filesystem::remove(file);
    ASSERT_TRUE(Open("main_menu"));
    ASSERT_TRUE(std::filesystem::exists(file));
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const float uid = 8002.0f;
    EXPECT_NE(bytes.find(std::string(reinterpret_cast<const char*>(&uid), 4)), std::string::npos)
        << "the fitted hull is in the saved file";
    EXPECT_EQ(scene->GetStageRoot()->GetNumChildren(), stage - 2) << "the ship and the bones model are gone";
}

TEST_F(HangarFrameTest, ZoomStaysInItsRangeAndPowerSlotsPullTheShipApart)
{
    _angar->Zoom(10000.0f);
    EXPECT_FLOAT_EQ(_angar->GetRadius(), ConstructionAngar::MinRadius);
    _angar->Zoom(-10000.0f);
    EXPECT_FLOAT_EQ(_angar->GetRadius(), ConstructionAngar::MaxRadius);

    _angar->EnterSlot(2, 0);
    EXPECT_TRUE(_angar->IsApart());
    Run(8);
    ASSERT_FLOAT_EQ(_angar->GetApartBlend(), 1.0f);
    EXPECT_FLOAT_EQ(Part(LEFT)->GetLocalPos().x, 1000.0f);
    EXPECT_FLOAT_EQ(Part(LEFT)->GetLocalPos().z, 200.0f);
    EXPECT_FLOAT_EQ(Part(PLATING)->GetLocalPos().z, -1000.0f);
    _angar->EnterSlot(1, 0);
    Run(8);
    EXPECT_FLOAT_EQ(_angar->GetApartBlend(), 0.0f);
    EXPECT_FLOAT_EQ(Part(LEFT)->GetLocalPos().x, 0.0f);
}

TEST_F(HangarFrameTest, ScreenshotsShowTheShipAndAFittedDeviceChangesIt)
{
    // From the ship-set menu, "back to fitting".
    _frames->funcSelectDown();
    _frames->funcSelectDown();
    _frames->funcSelectApply();
    Run(15);
    ASSERT_EQ(GuiTopButtons::GetState(), GuiTopButtons::STATE_FITTING);
    auto shoot = [this](const char* file, std::vector<uint32_t>& rgb) {
        game.GetRender()->TakeScreenShot();
        Step();
        int width = 0, height = 0;
        ASSERT_TRUE(ReadBmp(_data.GetPath() / "screenshots" / file, width, height, rgb));
        ASSERT_EQ(width, 1024);
    };
    std::vector<uint32_t> before, after;
    shoot("screen0000.bmp", before);
    Fit(8002);
    Run(2);
    shoot("screen0001.bmp", after);
    // The ship stands in the middle of the screen, the hall around it: the bigger green hull
    // changes many pixels there.
    int changed = 0;
    for (int y = 200; y < 600; ++y)
    {
        for (int x = 200; x < 824; ++x)
            changed += before[size_t(y) * 1024 + x] != after[size_t(y) * 1024 + x];
    }
    EXPECT_GT(changed, 2000);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

// The default ship's balance: its sums of shield, armour, speed and acceleration against 4000,
// and full bars for hull and manoeuvre, which stand at their constant.
TEST_F(HangarFrameTest, TheShipBalanceShowsTheDefaultShip)
{
    const GuiDevicesBalance* balance = _angar->GetGUI()->GetDevicesBalance();
    ASSERT_NE(balance, nullptr);
    const ShipParams& sums = _profile->GetShip()->GetParams();
    const float expected[6] = {sums.shield / 4000, sums.armor / 4000,        1,
                               sums.speed / 4000,  sums.acceleration / 4000, 1};
    for (int bar = 0; bar < 6; ++bar)
    {
        EXPECT_FLOAT_EQ(balance->GetLvl(bar), expected[bar]) << "bar " << bar;
        EXPECT_GT(balance->GetLvl(bar), 0.01f) << "bar " << bar << " shows at least 1 %";
    }
}

TEST_F(HangarFrameTest, ShortWingAssetNamesKeepTheirWholeBase)
{
    DeviceType* stub = game.GetBase()->AddDevice();
    std::strcpy(stub->renderAsset, "ab");
    stub->type = 0;
    stub->subType = 2;
    _angar->SwitchDevice(stub, 0, 2);
    EXPECT_EQ(_log.Count("ab_ASP.mod"), 1) << "only a trailing \".mod\" is cut";
}

TEST_F(HangarFrameTest, WithoutAPilotTheHallStandsEmpty)
{
    game.GetProfileManager()->SelectNone();
    _frames->ReloadCurrentFrame();
    Run(3);
    EXPECT_EQ(Mounted(_angar->GetShipRoot()),
              (Strings{"pl_reactor_drive_blg_a", "pl_reactor_kompres_blg", "pl_structura"}))
        << "the structure and the fixed reactor meshes, no device";
    _angar->SwitchDevice(game.GetBase()->GetDeviceByUid(8002), 1, 0);
    EXPECT_TRUE(Mounted(Part(LEFT)).empty()) << "no ship to fit";
    _frames->funcSelectApply();
    _frames->funcSelectDecline();
    Run(3);
}
