#pragma once
// Level logics of single missions, built beside the general one. The mission frame makes the
// general LevelLogic for every level; these are made only by code that asks for them.
#include "game/ai/LevelLogic.h"
#include "game/world/actor/ActorRef.h"

class Ship;

// The general logic, but shutting down keeps the targets and the triggers until it is freed.
class LevelLogic00 : public LevelLogic
{
public:
    void ShutDown() override {}
};

// The general logic with the Sha exploration music from the start.
class LevelLogic08 : public LevelLogic
{
public:
    bool Initialize(const char* file) override;
    void ShutDown() override {}
};

// The raid on the Ytg transports: the convoy cruises slowly towards its portal, the gang's orders
// come over the radio, and once the player or a Blg fighter comes within 5000 units of the Ytg
// portal the alarm goes off: battle music, the transports run at full speed and a Ytg order is
// heard.
class LevelLogic13 : public LevelLogic
{
public:
    static constexpr int TransportCount = 6;
    static constexpr int BlgFighterCount = 8;
    static constexpr float AlarmDistance = 5000;
    static constexpr float HeavyCargoSpeed = 0.15f;
    static constexpr float ConvoySpeed = 0.25f;

    bool Initialize(const char* file) override;
    void Proceed() override;
    void ShutDown() override {}

    bool IsAlarm() const { return _alarm; }

private:
    void InitializeAllShips();
    void Alarm();
    // True when the player's ship or a living Blg fighter is near the Ytg portal.
    bool IsPortalApproached() const;
    // The ship of that name in the level, or null.
    static Ship* FindShip(const char* name);
    // The ship held, or null once it is freed.
    static Ship* ShipOf(const ActorRef& ref);

    // "ytg_drtr_02_00" to "_03", then "ytg_sush_02_00" and "ytg_sush_02_01".
    ActorRef _transports[TransportCount];
    ActorRef _ytgPortal;
    ActorRef _blgFighters[BlgFighterCount];
    bool _alarm = false;
};
