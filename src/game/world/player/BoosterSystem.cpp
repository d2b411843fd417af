#include "game/world/player/BoosterSystem.h"

#include <algorithm>

#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/ProfileShip.h"
#include "game/world/player/HudCalls.h"
#include "game/world/player/PilotProfile.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/DynamicShipController.h"
#include "game/world/ships/ShipSounds.h"
#include "scene/RenderScene.h"
#include "services/physics/PhysicsActor.h"

namespace {

constexpr float MinimumEnergy = 5; // a boost needs more than this
constexpr float Drain = 40;        // energy per second while boosting
constexpr float Refill = 20;       // energy per second at rest
constexpr float EmptyDecay = 50;   // boost speed lost per second once the energy is spent

float PilotShipSpeed()
{
    const ProfileShip* fit = CurrentPilotShip();
    return fit ? fit->GetSpeed() : 0.0f;
}

Player* MissionPlayer()
{
    const SingleLevel* level = game.GetLevel();
    return level ? level->GetPlayer() : nullptr;
}

} // namespace

BoosterSystem::BoosterSystem(PlayerShip* ship) : _ship(ship), _maxBoostSpeed(4 * PilotShipSpeed()) {}

void BoosterSystem::StartBooster()
{
    if (_boosting || !(_energy > MinimumEnergy))
        return;
    _boosting = true;
    PlayShipSound("boost.wav");
    if (const Player* player = MissionPlayer())
        HudRestartBoost(player->GetHUD());
    if (_ship)
        _ship->SetMaxSpeed(4 * PilotShipSpeed());
}

void BoosterSystem::StopBooster()
{
    if (!_boosting)
        return;
    _boosting = false;
    if (_ship)
        _ship->SetMaxSpeed(PilotShipSpeed());
}

void BoosterSystem::Proceed()
{
    const float t = game.GetSPF();
    if (_boosting)
    {
        _energy -= Drain * t;
        if (_energy < 0)
        {
            // Spent: the push fades though the booster stays on until released.
            _energy = 0;
            _boostSpeed = std::max(_boostSpeed - EmptyDecay * t, 0.0f);
        }
        else
        {
            if (_ship)
                _ship->SetSpeed(100);
            _boostSpeed = std::min(_boostSpeed + 2 * _maxBoostSpeed * t, _maxBoostSpeed);
            if (Player* player = MissionPlayer())
                player->ShakeCamera(16 * t);
        }
    }
    else
    {
        _energy = std::min(_energy + Refill * t, MaximumEnergy);
        _boostSpeed = std::max(_boostSpeed - _maxBoostSpeed * t, 0.0f);
    }

    // Added every frame on top of what the flight model set.
    DynamicShipController* controller = _ship ? _ship->GetController() : nullptr;
    if (PhysicsActor* body = controller ? controller->GetControllableActor() : nullptr)
        body->SetGlobalLinearVelocity(body->GetGlobalPose().Dir() * _boostSpeed + body->GetGlobalLinearVelocity());
    if (_boostSpeed > 0 && _ship)
        _ship->SetSpeed(100);

    if (RenderScene* scene = game.GetRenderScene())
    {
        const float blur = _maxBoostSpeed > 0 ? _boostSpeed / _maxBoostSpeed : 0.0f;
        scene->ChangeMotionBloorKoef(std::clamp(blur, 0.0f, 1.0f));
    }
}
