// The player's mission life: its ship, flight models, aids, camera and sun glare. The input is
// read in PlayerInput.cpp.
#include "game/world/player/Player.h"

#include <algorithm>
#include <cmath>

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Vec2.h"
#include "game/ai/EntityManager.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/ProfileShip.h"
#include "game/world/environment/Background.h"
#include "game/world/player/BoosterSystem.h"
#include "game/world/player/FlightModelComby.h"
#include "game/world/player/FlightModelDirect.h"
#include "game/world/player/FlightModelDuplex.h"
#include "game/world/player/FlightModelStrafe.h"
#include "game/world/player/HudCalls.h"
#include "game/world/player/PilotProfile.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/player/UIHit.h"
#include "game/world/ships/ShipSounds.h"
#include "game/hud/GuiShipHud.h"
#include "layers/LayerManager.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/LensFlare.h"
#include "services/physics/PhysicsActor.h"

namespace {

constexpr float ShakeDecay = 10; // per second

Material* LoadMaterial(const char* name)
{
    MaterialSystem* render = game.GetRender();
    return render && render->GetMaterialMgr() ? render->GetMaterialMgr()->CreateMaterialFromFile(name) : nullptr;
}

Vec2 ScreenSize()
{
    const VideoSettings* video = game.GetVideoSettings();
    return video ? Vec2(static_cast<float>(video->ScrWidth), static_cast<float>(video->ScrHeight)) : Vec2(0, 0);
}

} // namespace

Player::Player() = default;

Player::~Player()
{
    if (_hud)
        _hud->Unload();
    _hud.reset();
    if (_hit)
        _hit->ShutDown();
    _hit.reset();
    if (_booster)
        _booster->ShutDown();
    _booster.reset();
    _cameraGarbage.ShutDown();
    _cameraParticles.ShutDown();
    _warnings.ShutDown();
}

void Player::Initialize()
{
    _ship = nullptr;
    _hud.reset();
    _hit.reset();
    _sunGlow = _sunFlare = _sunStreak = nullptr;
    _shake = 0;
    _helpRequested = false;
    _viewMode = VIEW_MODE_COCKPIT;

    EnsureCurrentPilot();
    SingleLevel* level = game.GetLevel();
    Ship* made = level ? level->CreateShip("Player", "player", nullptr) : nullptr;
    _ship = dynamic_cast<PlayerShip*>(made);
    if (!_ship)
        Dumper::Instance().Print(DUMP_ERROR, "Player: the game data makes no player's ship of the type \"Player\"; "
                                             "the mission runs without one\n");

    _comby = std::make_unique<FlightModelComby>(_ship);
    _direct = std::make_unique<FlightModelDirect>(_ship);
    _duplex = std::make_unique<FlightModelDuplex>(_ship);
    _strafe = std::make_unique<FlightModelStrafe>(_ship);
    const ProfileShip* fit = CurrentPilotShip();
    SetFlightModel(fit ? fit->GetFlightModel() : FLIGHT_MODEL_DIRECT);
    UpdateMovementParams();

    _warnings.Initialize();
    _cameraParticles.Initialize(LoadMaterial("pl_space_garbage_lines_00.mat"), PS_LINE, 1.0f, 1024, 3.0f);

    _hud = std::make_unique<GuiShipHud>();
    _hud->Load();
    _hit = std::make_unique<UIHit>(this);
    _hit->Initialize();
    _booster = std::make_unique<BoosterSystem>(_ship);
    _booster->Initialize();

    _shaker.SetTarget(game.GetCamera());
    _shaker.SetAmplitude(0);
    _shaker.SetFrequency(0);

    _sunGlow = LoadMaterial("sun_glow.mat");
    _sunFlare = LoadMaterial("sun_flare.mat");
    _sunStreak = LoadMaterial("sun_steak.mat");

    _primary = 0;
    _secondary = 2;
    _linked = 4;
}

void Player::OnLevelStart()
{
    const SingleLevel* level = game.GetLevel();
    _cameraGarbage.Initialize(_ship ? _ship->GetPosition() : Vec3(0, 0, 0),
                              level ? level->GetDebrisType() : DEBRIS_ROCK);
}

void Player::SetFlightModel(int model)
{
    switch (model)
    {
    case FLIGHT_MODEL_DIRECT: _flightModel = _direct.get(); break;
    case FLIGHT_MODEL_STRAFE: _flightModel = _strafe.get(); break;
    case FLIGHT_MODEL_DUPLEX: _flightModel = _duplex.get(); break;
    case FLIGHT_MODEL_COMBY: _flightModel = _comby.get(); break;
    default:
        _flightModel = _direct.get();
        _flightModel->Clear();
        return;
    }
    Dumper::Instance().Print(DUMP_LOG, "Flight model switched to %s\n", _flightModel->GetName());
}

void Player::UpdateMovementParams()
{
    const ShipType* type = _ship ? _ship->GetPrototype() : nullptr;
    if (!type)
        return;
    for (FlightModel* model : {static_cast<FlightModel*>(_direct.get()), static_cast<FlightModel*>(_strafe.get()),
                               static_cast<FlightModel*>(_duplex.get()), static_cast<FlightModel*>(_comby.get())})
    {
        model->SetMaxSpeed(type->speed);
        model->SetThrottleCoeffAcc(type->acceleration / 500);
        model->SetThrottleCoeffDec(type->dumping / 500);
        if (model == _strafe.get() || model == _comby.get())
        {
            model->SetMaxStrafeSpeed(type->speed / 3);
            model->SetStrafeSpeedCoeff(type->speedAng);
        }
        model->SetMaxYaw(type->speedAng / 3);
        model->SetYawCoeff(type->accelerationAng);
        model->SetMaxPitch(type->speedAng / 3);
        model->SetPitchCoeff(type->accelerationAng);
        model->SetMaxRoll(type->speedAng / 3);
        model->SetRollCoeff(type->accelerationAng);
        model->SetMassKoef(0.5f);
    }
}

void Player::ShakeCamera(float amount) { _shake = std::min(_shake + std::max(amount, 0.0f), MaxShake); }

void Player::HitEffect(bool shield)
{
    if (_hit)
        _hit->DoDamage(shield);
}

void Player::SetViewMode(eViewMode mode)
{
    _viewMode = mode;
    if (_ship)
        _ship->SetModelVisibility(mode == VIEW_MODE_OUTSIDE);
}

void Player::SwitchViewMode() { SetViewMode(_viewMode == VIEW_MODE_COCKPIT ? VIEW_MODE_OUTSIDE : VIEW_MODE_COCKPIT); }

void Player::Proceed()
{
    ProceedInput();
    UpdateCamera();
    if (_booster)
        _booster->Proceed();

    if (_ship)
    {
        const Vec3 position = _ship->GetPosition();
        _warnings.Proceed();
        _cameraGarbage.Proceed(position);
        _cameraParticles.Proceed(position, _ship->GetCurrentVelocity());
    }

    HudEnableRadar(_hud.get(), LayerManager::_enabled);
    if (LayerManager::_enabled)
    {
        UpdateSunFlare();
        if (_hud)
            _hud->Proceed();
        if (_hit)
            _hit->Proceed();
    }

    _shake = std::max(_shake - game.GetSPF() * ShakeDecay, 0.0f);
    if (!_ship)
        return;

    if (_primary == 1 && IsOutOfAmmunition(1))
        SwitchPrimary();
    if ((_secondary == 3 && IsOutOfAmmunition(3)) || (_secondary == 2 && IsOutOfAmmunition(2)))
        SwitchSecondary();

    if (Pelloris::EntityManager::GetInstance()->GetEnemyCount(_ship) && !_ship->GetTarget())
        PickBestVisibleTarget();

    if (!_helpRequested && _ship->GetCurrentArmor() < _ship->GetMaximumArmor() * 0.5f)
    {
        PlayShipSound("speech_blg_do_you_need_any_help_00.wav");
        _helpRequested = true;
    }
}

void Player::UpdateCamera()
{
    Camera* camera = game.GetCamera();
    PhysicsActor* body = _ship ? _ship->GetPhysEntity() : nullptr;
    if (!camera || !body)
        return;
    const Quaternion orientation = body->GetGlobalOrientationQuat();
    Vec3 position = body->GetGlobalPosition();
    if (_viewMode == VIEW_MODE_OUTSIDE)
        position += Vec3(0, 25, -25 * orientation.Dir().z);
    camera->SetPosition(position);
    camera->SetOrientation(orientation);
    _shaker.SetAmplitude(_shake);
    if (const Timer* timer = game.GetTimer())
        _shaker.UpdateMotion(*timer);
}

void Player::UpdateSunFlare()
{
    const SingleLevel* level = game.GetLevel();
    const auto* background = level ? dynamic_cast<Background*>(level->GetActorByClassname("Background", 0)) : nullptr;
    const LensFlare* flare = background ? background->GetFlare() : nullptr;
    MaterialSystem* render = game.GetRender();
    const RenderScene* scene = game.GetRenderScene();
    const Camera* camera = game.GetCamera();
    if (!flare || !flare->IsDrawNeeded() || !_ship || !render || !scene || !camera)
        return;
    Vec3 point;
    if (!camera->WorldToScreen(_ship->GetPosition() + scene->GetSunDirection(0), render, point))
        return;
    const Vec2 screen = ScreenSize();
    const float d = std::hypot(point.x - screen.x * 0.5f, point.y - screen.y * 0.5f) * (screen.x / 1280);
    if (!(std::fabs(d) < 300))
        return;
    const float k = (1 - std::fabs(d) * 0.003333f) * std::min(4 * flare->GetOpacity(), 1.0f);
    const Color color(k, 0.9f * k, 0.8f * k, 1);
    const Vec2 centre(point.x, point.y);
    if (_sunGlow)
        render->RenderQuad(_sunGlow, Vec2(0, 0), screen, 0, color, 0);
    if (_sunFlare)
        render->RenderQuad(_sunFlare, centre - Vec2(512 * k, 512 * k), Vec2(1024 * k, 1024 * k), 0, color, 0);
    if (_sunStreak)
    {
        // Black adds nothing, so the square's unlit rows are left out: the same picture for a
        // small share of the pixels.
        constexpr float Side = 2048, Band = Side * SunStreakHalfBand;
        Vec2 bottomLeft(0, 0.5f + SunStreakHalfBand), topLeft(0, 0.5f - SunStreakHalfBand);
        Vec2 bottomRight(1, 0.5f + SunStreakHalfBand), topRight(1, 0.5f - SunStreakHalfBand);
        render->RenderQuadAdvanced(_sunStreak, centre - Vec2(Side / 2, Band), Vec2(Side, 2 * Band), bottomLeft, topLeft,
                                   bottomRight, topRight, 0, color, 0);
    }
}
