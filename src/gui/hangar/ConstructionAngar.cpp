#include "gui/hangar/ConstructionAngar.h"

#include "foundation/base/Timer.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/profiles/ProfileManager.h"
#include "gui/hangar/GuiConstructionAngar.h"
#include "gui/hangar/GuiDeviceParams.h"
#include "gui/hangar/GuiDevicesBalance.h"
#include "gui/hangar/GuiTopButtons.h"
#include "gui/hangar/HangarGui.h"
#include "scene/RenderScene.h"
#include "scene/motion/ArcBall.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Model.h"
#include "services/input/InputCodes.h"
#include "services/input/InputSystem.h"

#include <algorithm>
#include <cmath>

int ConstructionAngar::_lastWheelStep = 999999;
float ConstructionAngar::_zoomSpeed = 0.0f;

namespace {

// The labels of the parameter panel by category; the additional devices (and no category) have
// none.
const char* const StatisticLabels[3][4] = {{"Fire Distance", "Fire Speed", "Fire Power", "Reloading"},
                                           {"Armor", "Structure", "Mass", ""},
                                           {"Speed", "Acceleration", "Energy", "Energy Shield"}};

} // namespace

ConstructionAngar::ConstructionAngar(GameFrameManager* manager, const char* name) : GameFrame(manager, name)
{
    ResetVariables();
}

ConstructionAngar::~ConstructionAngar() { Unload(); }

UserProfile* ConstructionAngar::Profile() const
{
    const ProfileManager* profiles = game.GetProfileManager();
    return profiles ? profiles->GetCurrent() : nullptr;
}

ProfileShip* ConstructionAngar::Ship() const
{
    const UserProfile* profile = Profile();
    return profile ? profile->GetShip() : nullptr;
}

void ConstructionAngar::UserInitialize()
{
    Load();
    _shownShip = Ship();
}

void ConstructionAngar::ResetVariables()
{
    _gui.reset();
    _root = nullptr;
    _arcBall.reset();
    _shownShip = nullptr;
    std::fill(std::begin(_parts), std::end(_parts), nullptr);
    _background = nullptr;
    _bones = nullptr;
    for (Mount* mount : {&_structure,      &_reactor,    &_reactorDrive, &_reactorCompressor,
                         &_reactorConsole, &_engine,     &_engineDrive,  &_engineDriveCenter,
                         &_covered,        &_armorC,     &_armorK,       &_armorS,
                         &_armorP,         &_armorZ,     &_cockpit,      &_cannonCourse,
                         &_frontCannon,    &_addIntr,    &_addExtr,      &_wingCannons,
                         &_wingLaunchers,  &_wingTorpeds})
        *mount = Mount();
    _yaw = -230.0f;
    _pitch = 160.0f;
    _radius = 1500.0f;
    _apart = false;
    _blend = 0.0f;
}

void ConstructionAngar::CreateBackground()
{
    RenderScene* scene = game.GetRenderScene();
    if (!scene)
        return;
    _background = scene->CreateModel("angar_bg.mod", SL_BACKGROUND);
    _background->SetScale(50.0f, 50.0f, 50.0f);
    _background->Translate(0.0f, -1500.0f, 0.0f, CS_PARENT);
    scene->SetSunDirection(0, Vec3(-50.0f, 50.0f, -150.0f));
    scene->SetSunAmbient(0, Color(0.02f, 0.1f, 0.4f), 1.0f);
    scene->SetSunDiffuse(0, Color(1.0f, 1.0f, 1.0f), 2.0f);
    scene->SetSunSpecular(0, Color(1.0f, 1.0f, 0.8f), 1.0f);
}

void ConstructionAngar::DestroyBackground()
{
    if (RenderScene* scene = game.GetRenderScene())
        scene->DestroyNode(_background);
    _background = nullptr;
}

void ConstructionAngar::CreateShip()
{
    _structure.models[0] = Create("pl_structura.mod", _root);
    ProfileShip* ship = Ship();
    // Fitting a device the ship already has leaves its list as it is.
    for (unsigned i = 0; ship && i < ship->GetDeviceCount(); ++i)
    {
        DeviceType* device = ship->GetDeviceByIndex(i);
        SwitchDevice(device, int(device->type), int(device->subType));
    }
}

void ConstructionAngar::DestroyShip()
{
    if (RenderScene* scene = game.GetRenderScene())
        scene->DestroyNode(_root);
    _root = nullptr;
}

void ConstructionAngar::Load()
{
    Unload();
    CreateBackground();
    _coveredAsset[0] = '\0';
    RenderScene* scene = game.GetRenderScene();
    if (scene)
    {
        _bones = scene->CreateModel("angar_bones.mod", SL_STAGE);
        _root = scene->CreateBone(SL_STAGE);
        for (Bone*& part : _parts)
        {
            part = scene->CreateBone(SL_STAGE);
            _root->Attach(part);
        }
    }
    CreateShip();
    if (Camera* camera = game.GetCamera())
        camera->SetPosition(0.0f, 0.0f, 0.0f);
    _arcBall = std::make_unique<ArcBall>();
    _arcBall->SetRotationMode(ABM_YAW_PITCH);
    _arcBall->SetTarget(game.GetCamera());
    _arcBall->SetAnchor(Vec3(0.0f, 0.0f, 0.0f));
    _arcBall->SetRotationSpeed(10.0f);
    _arcBall->SetRadius(_radius);
    _gui = std::make_unique<GuiConstructionAngar>(this);
    _gui->Load();
    SetDeviceType(SDT_NONE);
    SwitchReactorCompressor("pl_reactor_kompres_blg.mod");
    SwitchReactorDrive("pl_reactor_drive_blg_a.mod");
}

// The bones model and the arc ball go too: each load makes them anew.
void ConstructionAngar::Unload()
{
    const bool loaded = _gui || _root || _background || _bones;
    if (!loaded)
        return;
    if (const UserProfile* profile = Profile())
        profile->Save();
    DestroyShip();
    if (RenderScene* scene = game.GetRenderScene())
        scene->DestroyNode(_bones);
    DestroyBackground();
    if (_gui)
        _gui->Unload();
    ResetVariables();
}

void ConstructionAngar::SetDeviceType(int category)
{
    _deviceType = category;
    if (_gui)
        _gui->SetDeviceType(category);
}

DeviceType* ConstructionAngar::GetCurrentDevice(int type, int subType) const
{
    const ProfileShip* ship = Ship();
    return ship ? ship->GetDevice(type, subType) : nullptr;
}

void ConstructionAngar::EnterSlot(int type, int)
{
    if (type == SDT_WEAPONRY || type == SDT_ARMOR)
        _apart = false;
    else if (type == SDT_POWER || type == SDT_ADDITIONAL)
        _apart = true;
}

void ConstructionAngar::Zoom(float amount) { _radius = std::clamp(_radius - 2.0f * amount, MinRadius, MaxRadius); }

void ConstructionAngar::UpdateStatisticks()
{
    if (!_gui)
        return;
    const ProfileShip* ship = Ship();
    if (GuiDevicesBalance* balance = _gui->GetDevicesBalance(); balance && ship)
    {
        // Hull and manoeuvre have no sum of their own: they stand at the constant 1, a full bar,
        // where the sums are measured against 4000.
        const ShipParams& sums = ship->GetParams();
        const float levels[6] = {sums.shield, sums.armor, 1.0f, sums.speed, sums.acceleration, 1.0f};
        const float maxima[6] = {4000.0f, 4000.0f, 1.0f, 4000.0f, 4000.0f, 1.0f};
        for (int i = 0; i < 6; ++i)
            balance->SetLvl(i, levels[i], maxima[i]);
    }
    GuiTopButtons* buttons = _gui->GetTopButtons();
    GuiDeviceParams* params = buttons ? buttons->GetDeviceParams() : nullptr;
    if (!params)
        return;
    for (int i = 0; i < 4; ++i)
    {
        params->SetName(i, _deviceType >= 0 && _deviceType < 3 ? StatisticLabels[_deviceType][i] : "");
        params->SetLvl(i, 0.0f);
    }
}

void ConstructionAngar::EventSelectUp()
{
    if (GuiTopButtons* buttons = _gui ? _gui->GetTopButtons() : nullptr)
        buttons->EventUp();
    if (_gui)
        _gui->EventUp();
}

void ConstructionAngar::EventSelectDown()
{
    if (GuiTopButtons* buttons = _gui ? _gui->GetTopButtons() : nullptr)
        buttons->EventDown();
    if (_gui)
        _gui->EventDown();
}

void ConstructionAngar::EventSelectLeft()
{
    HangarGui::Sound("menu//select_slot.wav");
    if (GuiTopButtons* buttons = _gui ? _gui->GetTopButtons() : nullptr)
        buttons->EventLeft();
    if (_gui)
        _gui->EventLeft();
}

void ConstructionAngar::EventSelectRight()
{
    HangarGui::Sound("menu//select_slot.wav");
    if (GuiTopButtons* buttons = _gui ? _gui->GetTopButtons() : nullptr)
        buttons->EventRight();
    if (_gui)
        _gui->EventRight();
}

void ConstructionAngar::EventSelectApply()
{
    HangarGui::Sound("menu//press_button.wav");
    if (GuiTopButtons* buttons = _gui ? _gui->GetTopButtons() : nullptr)
        buttons->EventEnter();
    if (_gui)
        _gui->EventEnter();
}

void ConstructionAngar::EventSelectDecline()
{
    if (GuiTopButtons* buttons = _gui ? _gui->GetTopButtons() : nullptr)
        buttons->EventEsc();
}

void ConstructionAngar::EventMousePitch(float value)
{
    const InputSystem* input = game.GetInput();
    if (!input || !input->IsJoystick())
        Pitch(value);
}

void ConstructionAngar::EventMouseYaw(float value)
{
    const InputSystem* input = game.GetInput();
    if (!input || !input->IsJoystick())
        Yaw(value);
}

void ConstructionAngar::ProceedKey(const char& key)
{
    if (GuiTopButtons* buttons = _gui ? _gui->GetTopButtons() : nullptr)
        buttons->ProceedKey(key);
    if (_gui)
        _gui->ProceedKey(key);
}

void ConstructionAngar::AddChar(const char& c)
{
    if (GuiTopButtons* buttons = _gui ? _gui->GetTopButtons() : nullptr)
        buttons->AddChar(c);
    if (_gui)
        _gui->AddChar(c);
}

void ConstructionAngar::ProceedView()
{
    const float spf = game.GetSPF();
    if (const InputSystem* input = game.GetInput())
    {
        if (input->IsJoystick())
        {
            Yaw(float(input->GetAxis(INPUT_JOYSTICK, "Yaw", false) / 80));
            Pitch(float(input->GetAxis(INPUT_JOYSTICK, "Pitch", false) / 80));
            Zoom(-float(input->GetAxis(INPUT_JOYSTICK, "Speed", false) / 50));
        }
        else if (input->IsMouse())
        {
            const int step = int(input->GetMouseW() / 50);
            if (step < _lastWheelStep && _radius < MaxRadius)
                _zoomSpeed -= 8.0f;
            if (step > _lastWheelStep && _radius > MinRadius)
                _zoomSpeed += 8.0f;
            Zoom(_zoomSpeed);
            const float decay = 50.0f * spf;
            if (std::fabs(_zoomSpeed) <= decay)
                _zoomSpeed = 0.0f;
            else
                _zoomSpeed += _zoomSpeed > 0.0f ? -decay : decay;
            _lastWheelStep = step;
        }
    }
    if (_arcBall && game.GetTimer())
    {
        _arcBall->UpdateRotation(_yaw, _pitch, *game.GetTimer());
        _arcBall->SetRadius(_radius);
    }
    _yaw = 0.0f;
    _pitch = 0.0f;
}

void ConstructionAngar::ProceedApart()
{
    const float step = 4.0f * game.GetSPF();
    _blend = _apart ? std::min(_blend + step, 1.0f) : std::max(_blend - step, 0.0f);
    const float t = _blend;
    auto place = [](Node* node, float x, float y, float z) {
        if (Bone* bone = node ? node->AsBone() : nullptr)
            bone->SetPosition(x, y, z);
    };
    place(_parts[PART_LEFT], 1000 * t, 0, 200 * t);
    place(_parts[PART_RIGHT], -1000 * t, 0, 200 * t);
    place(_parts[PART_PLATING], 0, 0, -1000 * t);
    place(_parts[PART_SPARE], 0, -1000 * t, 0);
    place(_parts[PART_COCKPIT_FRONT], 0, 500 * t, -150 * t);
    place(_parts[PART_COCKPIT_REAR], 0, -500 * t, 0);
    place(_armorS.models[2], 0, -1000 * t, 0);
    place(_armorC.models[0], 0, 500 * t, 0);
    place(_armorC.models[1], 0, -500 * t, 0);
    place(_armorS.models[0], 500 * t, 480 * t, -520 * t);
    place(_armorS.models[1], -500 * t, 480 * t, -520 * t);
    const float k[4][2] = {{500, 500}, {500, -500}, {-500, 500}, {-500, -500}};
    const float z[4][2] = {{340, 450}, {340, -450}, {-340, 450}, {-340, -450}};
    for (int i = 0; i < 4; ++i)
    {
        place(_armorK.models[i], k[i][0] * t, k[i][1] * t, 0);
        place(_armorZ.models[i], z[i][0] * t, z[i][1] * t, 0);
    }
}

void ConstructionAngar::UserProceed(float)
{
    if (_gui)
        _gui->Proceed();
    ProceedView();
    ProceedApart();
    if (Ship() != _shownShip)
    {
        Unload();
        Load();
        _shownShip = Ship();
    }
    if (Model* reactor = _reactor.models[0]; reactor && reactor->GetNumChildren() > 0)
    {
        if (Bone* spinner = reactor->GetChild(0)->AsBone())
            spinner->Yaw(50.0f * game.GetSPF(), CS_LOCAL);
    }
}
