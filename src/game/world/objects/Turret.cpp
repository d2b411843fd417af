#include "game/world/objects/Turret.h"

#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "game/world/weapons/Weapon.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"

namespace {
constexpr float Reach = 67108864.0f; // 8192 squared

// Besides the player's ship, the turrets watch the first fighter of each of these classes.
const char* const WatchedClasses[] = {"ShipBlgFighter00", "ShipBlgFighter01", "ShipBlgFighter02", "ShipBlgFighter03"};
} // namespace

Turret::Turret(const char* weaponTypeName, Bone* mountBone, Actor* owner) : _mountBone(mountBone), _owner(owner)
{
    SetName("Turret");
    SetClassname("Turret");
    CopyFixedText(_weaponTypeName, weaponTypeName);
}

Turret::~Turret() { ClearTargets(); }

// The turret model is the turret's main model: its weapon finds its mount bones there.
void Turret::UserInit()
{
    RenderScene* scene = game.GetRenderScene();
    SingleLevel* level = game.GetLevel();
    if (scene)
    {
        _mainModel = scene->CreateModel("ytg_gan_s_d.mod", SL_STAGE);
        if (_mountBone)
            _mountBone->Attach(_mainModel);
    }
    if (level)
        _weapon = level->CreateWeapon(_weaponTypeName, this, 0, nullptr, 0);
}

void Turret::UserShutDown()
{
    if (_weapon)
        SendMessage(MESSAGE_DELETE_ACTOR_AT_MISSION_END, _weapon, 0.0f, new MessageDeleteActor(_weapon));
    _weapon = nullptr;
    if (RenderScene* scene = game.GetRenderScene())
        scene->DestroyNode(_mainModel);
    _mainModel = nullptr;
}

void Turret::Unmount()
{
    if (_mainModel)
        _mainModel->Detach();
    _mountBone = nullptr;
}

void Turret::UpdateTargetList()
{
    ClearTargets();
    SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    std::vector<Ship*> candidates;
    candidates.push_back(level->GetPlayer() ? level->GetPlayer()->GetShip() : nullptr);
    for (const char* classname : WatchedClasses)
        candidates.push_back(dynamic_cast<Ship*>(level->GetActorByClassname(classname, 0)));
    const Vec3 mount = _mountBone ? _mountBone->GetGlobalPos() : GetPosition();
    for (Ship* ship : candidates)
    {
        if (!ship || mount.DistanceSquared(ship->GetRoot().Pos()) >= Reach || ship->IsDead() || ship->GetOutOfControl())
            continue;
        auto* target = new TurretTarget();
        target->actor = ship;
        _targets.push_back(target);
    }
}

void Turret::ClearTargets()
{
    for (TurretTarget* target : _targets)
        delete target;
    _targets.clear();
}
