#pragma once
// The conditions of the level-logic triggers: each is asked once a frame whether it holds. The
// logic file's reader makes them, initialises them with the keys it read and hands them to their
// trigger, which owns them. Ships are looked up by name once, at initialisation, and held by a
// reference that reads null once the actor is freed.
#include <cstddef>

#include "foundation/math/Vec3.h"
#include "game/world/actor/ActorRef.h"

class Actor;

class Condition
{
public:
    static constexpr size_t NameSize = 512;

    Condition();
    virtual ~Condition() = default;

    const char* GetName() const { return _name; }
    void SetName(const char* name);
    void Enable() { _enabled = true; }
    void Disable() { _enabled = false; }
    bool IsEnable() const { return _enabled; }

    // The enabled flag, for the base.
    virtual bool Is() { return _enabled; }

private:
    char _name[NameSize] = {};
    bool _enabled = true;
};

// Holds once the level time reaches the time; the only kind that a disabled flag turns off.
class ConditionTimer : public Condition
{
public:
    ConditionTimer();
    void Initialize(float timer) { _timer = timer; }
    float GetTimer() const { return _timer; }
    bool Is() override;

private:
    float _timer = 0;
};

// Holds until the trigger of that name (exact) has fired; a name no trigger has always holds.
class ConditionTriggerNotCompleted : public Condition
{
public:
    static constexpr size_t TriggerNameSize = 512;

    ConditionTriggerNotCompleted();
    void Initialize(const char* triggerName);
    const char* GetTriggerName() const { return _triggerName; }
    bool Is() override;

private:
    char _triggerName[TriggerNameSize] = {};
};

// Compares the number of the level's actors of a class name: equal to one count, or else not
// equal to another; a negative count is no test.
class ConditionShipCount : public Condition
{
public:
    static constexpr size_t ClassnameSize = 256;

    ConditionShipCount();
    void Initialize(const char* classname);
    void SetCountEqual(int count) { _countEqual = count; }
    void SetCountNotEqual(int count) { _countNotEqual = count; }
    const char* GetClassname() const { return _classname; }
    int GetCountEqual() const { return _countEqual; }
    int GetCountNotEqual() const { return _countNotEqual; }
    bool Is() override;

private:
    char _classname[ClassnameSize] = {};
    int _countEqual = -1;
    int _countNotEqual = -1;
};

// Holds once the named ship is dead; an actor that is not a ship counts once it is removed, an
// actor that is freed counts at once, and a name that names nothing holds at once.
class ConditionShipDestroyed : public Condition
{
public:
    ConditionShipDestroyed();
    void Initialize(const char* shipName);
    Actor* GetShip() const { return _ship.Get(); }
    bool Is() override;

private:
    ActorRef _ship;
};

// Holds while the named ship (or "PlayerShip", the player's) is inside a box, faces included, or
// a sphere. A ship that does not exist, or no longer does, never is.
class ConditionShipInArea : public Condition
{
public:
    enum eAreaKind : int
    {
        AREA_NONE = 0,
        AREA_BOX = 1,
        AREA_SPHERE = 2,
    };

    ConditionShipInArea();
    void InitializeArea(const char* shipName, const Vec3& min, const Vec3& max);
    void InitializeSphere(const char* shipName, const Vec3& centre, float radius);
    eAreaKind GetAreaKind() const { return _kind; }
    Actor* GetShip() const { return _ship.Get(); }
    bool Is() override;

private:
    eAreaKind _kind = AREA_NONE;
    ActorRef _ship;
    Vec3 _min{0, 0, 0};
    Vec3 _max{0, 0, 0};
    Vec3 _centre{0, 0, 0};
    float _radiusSquared = 0;
};
