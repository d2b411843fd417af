#pragma once
// The actions that act on the level's ships: blowing one up, and giving one a new AI task.
#include <cstddef>

#include "foundation/math/Vec3.h"
#include "game/ai/logic/Action.h"
#include "game/world/actor/ActorRef.h"

// Blows up the named ship, looked up when the action runs; an actor that is not a ship, or a ship
// that is dead already, is left alone.
class ActionEnableDisableShip : public Action
{
public:
    static constexpr size_t ShipNameSize = 256;

    ActionEnableDisableShip();
    void Initialize(const char* shipName);
    const char* GetShipName() const { return _shipName; }

private:
    void DoAction() override;

    char _shipName[ShipNameSize] = {};
};

// Gives a ship ("PlayerShip", in any letter case, is the player's) a new task of its AI. The
// ship is looked up at initialisation; the first initialise call wins. A ship that does not
// exist (or no longer does), is not a ship, is dead or flies without AI is left alone.
class ActionShipChangeTask : public Action
{
public:
    static constexpr size_t NameSize = 256;

    enum eTask : int
    {
        TASK_IDLE = 0,
        TASK_ATTACK_THE_TARGET = 1,
        TASK_FOLLOW_THE_LEADER = 2,
        TASK_REACH_THE_POINT = 3,
        TASK_PATROL_THE_AREA = 4,
        TASK_STAY_ON_TRACK = 5,
        TASK_PATROL_THE_TRACK = 6,
        TASK_ESCORT_THE_TARGET = 7,
    };

    ActionShipChangeTask();
    void Initialize_Idle(const char* ship);
    void Initialize_AttackTheTarget(const char* ship, const char* target);
    void Initialize_FollowTheLeader(const char* ship, const char* target);
    void Initialize_ReachThePoint(const char* ship, const Vec3& point);
    void Initialize_PatrolTheArea(const char* ship, const Vec3& first, const Vec3& second);
    void Initialize_StayOnTrack(const char* ship, const char* track, float radius, bool looped);
    void Initialize_PatrolTheTrack(const char* ship, const char* track, float radius, float disengage);
    void Initialize_EscortTheTarget(const char* ship, const char* target, float radius);

    eTask GetTask() const { return _task; }
    Actor* GetShip() const { return _ship.Get(); }

private:
    // False when the action is initialised already; else takes the kind and the ship.
    bool Begin(eTask task, const char* ship);
    void DoAction() override;

    eTask _task = TASK_IDLE;
    ActorRef _ship;
    char _targetName[NameSize] = {};
    char _trackName[NameSize] = {};
    Vec3 _point{0, 0, 0};
    Vec3 _firstCorner{0, 0, 0};
    Vec3 _secondCorner{0, 0, 0};
    float _radius = 0;
    float _disengageDistance = 0;
    bool _looped = false;
};
