// A ship's life, movement and weapons; its damage rules are in ShipDamage.cpp.
#include "game/world/ships/Ship.h"

#include <cmath>
#include <cstring>

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "foundation/config/GameSettings.h"
#include "game/ai/EntityManager.h"
#include "game/ai/LevelLogic.h"
#include "game/ai/ShipEntity.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/states/StateMachine.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/environment/Track.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/DynamicShipController.h"
#include "game/world/weapons/Weapon.h"
#include "game/world/weapons/WeaponStates.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "services/input/InputSystem.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"

namespace {

constexpr float DegreesToRadians = 0.017453f;
constexpr float TrackPointReach = 256;         // closer than this, the next track point is steered to
constexpr float DustDistanceSquared = 4194304; // 2048 squared
constexpr float DebugLineLength = 64;

void Enter(Weapon* weapon, State* state)
{
    if (weapon && weapon->GetStateMachine())
        weapon->GetStateMachine()->ChangeState(state);
}

bool IsAttacking(const Weapon* weapon)
{
    return weapon && weapon->GetStateMachine() && weapon->GetStateMachine()->IsInState(WeaponStateAttack::Instance());
}

// A direction of length 1, or none for a vector without length.
bool Normalized(const Vec3& v, Vec3& out)
{
    const float length = v.Length();
    if (!(length > 0))
        return false;
    out = v * (1.0f / length);
    return true;
}

} // namespace

Ship::Ship()
{
    SetName("Ship");
    SetClassname("Ship");
    RaiseFlag(ACTOR_FLAG_SHIP);
}

Ship::~Ship() = default;

void Ship::InitializeData(ShipType* type)
{
    if (!type)
        return;
    _prototype = type;
    SetTagName(type->name);
    if (!IsPlayerShip())
    {
        _maxShield = _currentShield = type->shield;
        _maxArmor = _currentArmor = type->armor;
        _maxStructure = _currentStructure = type->structure;
        _shieldRegen = type->shieldRegen;
        _armorRegen = type->armorRegen;
        _structureRegen = type->structureRegen;
    }
    _maxSpeed = type->speed;
    _acceleration = type->acceleration;
    _damping = type->dumping;
    _angularSpeed = type->speedAng;
    _angularAcceleration = type->accelerationAng;
    _angularDamping = type->dumpingAng;
    if (_entity)
        _entity->ApplyShipType();
}

const char* Ship::GetPublicName() const
{
    const char* classname = GetClassname();
    if (std::strcmp(classname, "ShipYtgFighter02") == 0)
        return "Fighter YTG";
    for (const char* blg : {"ShipBlgFighter00", "ShipBlgFighter01", "ShipBlgFighter02", "ShipBlgFighter03"})
    {
        if (std::strcmp(classname, blg) == 0)
            return "Fighter BLG";
    }
    return "(error)";
}

Material* Ship::GetScannerIcon() const
{
    MaterialSystem* render = game.GetRender();
    if (!_prototype || !render || !render->GetMaterialMgr())
        return nullptr;
    return render->GetMaterialMgr()->CreateMaterialFromFile(_prototype->icon);
}

void Ship::AddWeapon(const char* name, int firstBoneIndex, Model* model, int firePoints)
{
    SingleLevel* level = game.GetLevel();
    // A weapon the game data lacks leaves its slot empty: the later slots keep their numbers.
    _weapons.push_back(level ? level->CreateWeapon(name, this, firstBoneIndex, model, firePoints) : nullptr);
}

Weapon* Ship::GetWeapon(unsigned index) const { return index < _weapons.size() ? _weapons[index] : nullptr; }

void Ship::RemoveWeapon(Weapon* weapon)
{
    if (weapon)
        SendMessage(MESSAGE_DELETE_ACTOR_AT_MISSION_END, weapon, 0, new MessageDeleteActor(weapon));
}

bool Ship::IsShooting() const
{
    for (const Weapon* weapon : _weapons)
    {
        if (IsAttacking(weapon))
            return true;
    }
    return false;
}

void Ship::StartShooting(Weapon* weapon) { Enter(weapon, WeaponStateAttack::Instance()); }

void Ship::StartShooting(int index)
{
    if (_dead)
        return;
    // Every weapon takes the ship's target; a single one keeps its own.
    if (index == -1)
        StartShooting(_target, -1);
    else
        StartShooting(GetWeapon(static_cast<unsigned>(index)));
}

void Ship::StartShooting(Actor* target, int index)
{
    if (_dead)
        return;
    if (index == -1)
    {
        for (Weapon* weapon : _weapons)
        {
            StartShooting(weapon);
            if (weapon)
                weapon->SetTarget(target);
        }
        return;
    }
    Weapon* weapon = GetWeapon(static_cast<unsigned>(index));
    if (!weapon)
        return;
    StartShooting(weapon);
    // The player's untargeted fire goes to the mission's first global target while it is marked red.
    if (!target && IsPlayerShip())
    {
        const SingleLevel* level = game.GetLevel();
        const GlobalLevelTarget* first = level && level->GetLogic() ? level->GetLogic()->GetGlobalTarget(0) : nullptr;
        if (first && first->color.r == 1 && first->color.g == 0 && first->color.b == 0 && first->color.a == 1)
            target = first->actor.Get();
    }
    weapon->SetTarget(target);
}

void Ship::StopShooting(Weapon* weapon) { Enter(weapon, WeaponStateIdle::Instance()); }

void Ship::StopShooting(int index)
{
    if (index == -1)
    {
        for (Weapon* weapon : _weapons)
        {
            StopShooting(weapon);
            if (weapon)
                weapon->RemoveTarget();
        }
        return;
    }
    if (Weapon* weapon = GetWeapon(static_cast<unsigned>(index)))
    {
        StopShooting(weapon);
        weapon->RemoveTarget();
    }
}

void Ship::SetSpeed(float percent)
{
    if (!_controller)
        return;
    _speedSign = percent < 0 ? -1.0f : 1.0f;
    _orderedSpeed = _dead ? 0.0f : percent * _maxSpeed * 0.01f;
}

void Ship::SetMaxSpeed(float speed)
{
    _maxSpeed = speed;
    if (_controller)
        _controller->SetLinMinMaxAbsVel(Vec3(0, 0, 0), Vec3(speed, speed, speed));
}

void Ship::ChangeSpeed(float rate)
{
    _orderedSpeed += game.GetSPF() * rate * _speedSign;
    _orderedSpeed = std::fmax(-_maxSpeed, std::fmin(_orderedSpeed, _maxSpeed));
    _speedPerc = _maxSpeed != 0 ? _orderedSpeed / _maxSpeed * 100 : 0.0f;
}

void Ship::SetSpeedPerc(float percent, bool fromJoystick)
{
    const InputSystem* input = game.GetInput();
    if (fromJoystick && !(input && input->IsJoystick()))
        return;
    _speedPerc = percent;
}

float Ship::TurnRate(long value) const
{
    if (_dead)
        return 0;
    float rate = _angularSpeed * static_cast<float>(value) / 1000;
    rate = std::fmax(-_angularSpeed, std::fmin(rate, _angularSpeed));
    return rate * DegreesToRadians;
}

void Ship::Yaw(long value)
{
    if (_controller)
        _controller->SetAngVelY(TurnRate(value));
}

void Ship::Pitch(long value)
{
    if (_controller)
        _controller->SetAngVelX(-TurnRate(value));
}

void Ship::Roll(long value)
{
    if (_controller)
        _controller->SetAngVelZ(-TurnRate(value));
}

void Ship::SetAbsStrafe(float value)
{
    if (_controller && _physEntity)
        _controller->SetAbsLinVel(_physEntity->GetGlobalPose().Right() * value);
}

void Ship::SetStrafeSpeed(float value) { _strafeStep = game.GetSPF() * value; }

void Ship::SetRotateToDir(const Vec3& dir) { Normalized(dir, _steeringDirection); }

void Ship::MoveToPoint(const Vec3& point)
{
    if (!_controller)
        return;
    SetSpeed(100);
    Normalized(point - GetPosition(), _steeringDirection);
}

void Ship::MoveByTrack(Track* track)
{
    _track = track;
    if (!track || track->GetPointCount() == 0)
        return;
    if (_trackPoint < 0 || static_cast<unsigned>(_trackPoint) >= track->GetPointCount())
        _trackPoint = 0;
    const Vec3 point = track->GetPoint(static_cast<unsigned>(_trackPoint)).position;
    MoveToPoint(point);
    _nextTrackPos = point;
    if (GetPosition().Distance(point) < TrackPointReach)
        _trackPoint = (_trackPoint + 1) % static_cast<int>(track->GetPointCount());
}

Vec3 Ship::GetTrackPos(int index) const
{
    if (!_track || index < 0 || static_cast<unsigned>(index) >= _track->GetPointCount())
        return {0, 0, 0};
    return _track->GetPoint(static_cast<unsigned>(index)).position;
}

void Ship::SpawnDust(const Vec3& point, const Quaternion& orientation)
{
    SingleLevel* level = game.GetLevel();
    if (level && DistanceToCameraSquared() < DustDistanceSquared)
        level->CreateParticleEffect("dustMetal.pse", point, orientation, false, nullptr, Vec3(0, 0, 0));
}

void Ship::UserInit()
{
    if (RenderScene* scene = game.GetRenderScene())
        scene->AddUserObject(this);
}

void Ship::UserProceed()
{
    const float spf = game.GetSPF();
    if (_protectionTimer > 0)
        _protectionTimer -= spf;
    _lastPosition = GetPosition();
    DoRegeneration();
    _contactTimer -= spf;
    const bool player = IsPlayerShip();
    // Repeats each frame until the mission frame has taken the ship out.
    if (_dead && !IsDeleted() && !player)
        SendMessage(MESSAGE_DELETE_ACTOR_AT_MISSION_END, this, 0, new MessageDeleteActor(this));
    if (_target && _target->IsDead())
        _target = nullptr;
    if (!player)
        _smoothedDirection = _steeringDirection;
    // Out of control the body flies by physics: the order is the controller's.
    if (_controller && _outOfControl && !player)
        _controller->SetLinVelZ(_orderedSpeed);
    if (_controller)
        _controller->UpdateController(spf, _speedSign);
    if (_parts)
        _parts->Proceed();
    AvoidLevelObstacles();
    // A ship without a body (class "Ship") keeps its root where it was put.
    if (_physEntity)
        GetRoot() = _physEntity->GetGlobalPose();
    _velocity = _lastPosition - GetPosition();
    _currentSpeed = _velocity.Length() * game.GetFPS();
}

void Ship::AvoidLevelObstacles()
{
    const SingleLevel* level = game.GetLevel();
    if (!_entity || !level)
        return;
    const Vec3 position = GetPosition();
    for (unsigned i = 0; i < level->GetObstacleCount(); ++i)
    {
        const Sphere* obstacle = level->GetObstacle(i);
        const float reach = obstacle->radius + 100;
        if (position.Distance(obstacle->center) < reach)
            _entity->AddObstacle(Sphere(obstacle->center, reach));
    }
}

void Ship::UserShutDown()
{
    // The AI lets go of the ship first: a ship removed at once is freed before the next frame.
    Pelloris::EntityManager::GetInstance()->RemoveShip(this);
    for (Weapon* weapon : _weapons)
    {
        if (weapon)
            SendMessage(MESSAGE_DELETE_ACTOR_AT_MISSION_END, weapon, 0, new MessageDeleteActor(weapon));
    }
    _weapons.clear();
    // The parts go before the body they share.
    if (_parts)
    {
        _parts->ShutDown();
        _parts.reset();
    }
    if (_physEntity)
    {
        const SingleLevel* level = game.GetLevel();
        if (PhysicsSpace* space = level ? level->GetSpace() : nullptr)
            space->ReleasePhysicsActor(_physEntity);
        _physEntity = nullptr;
    }
    _controller.reset();
    RenderScene* scene = game.GetRenderScene();
    if (scene)
    {
        scene->RemoveUserObject(this);
        scene->DestroyNode(_mainModel);
    }
    _mainModel = nullptr;
}

void Ship::SetPose(Matrix pose)
{
    GetRoot() = pose;
    if (_physEntity)
        _physEntity->SetGlobalPose(pose);
}

void Ship::OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system)
{
    const GameSettings* settings = game.GetGameSettings();
    if (!settings || !settings->DebugInformation || IsPlayerShip() || layer != SL_STAGE || camera != game.GetCamera() ||
        !system)
        return;
    const Vec3 position = GetPosition();
    const Vec3 forward = _physEntity ? _physEntity->GetGlobalPose().Dir() : GetRoot().Dir();
    _debugLines[0] = {{position, position + forward * DebugLineLength}, 0xFFFF0000u};
    _debugLines[1] = {{position, position + _smoothedDirection * DebugLineLength}, 0xFFFFFF00u};
    system->DrawLines(_debugLines, 2);
}

bool Ship::IsPlayerShip() const
{
    const SingleLevel* level = game.GetLevel();
    const Player* player = level ? level->GetPlayer() : nullptr;
    return player && player->GetShip() && static_cast<const Ship*>(player->GetShip()) == this;
}

void Ship::Explode()
{
    _dead = true;
    _orderedSpeed = 0;
    StopShooting(-1);
}

void Ship::StartBurning() { _burning = true; }

void Ship::SetOutOfControl()
{
    _outOfControl = true;
    _orderedSpeed = 0;
}

float Ship::GetAverageDamage() { return 1; }
