#pragma once
// The frame "level": one running mission. It owns everything that lives in it: the message
// dispatcher and every actor (the registry, and the graveyard of actors removed with deferred
// deletion). Actors reach it through `game.GetLevel()`.
#include <memory>
#include <vector>

#include "foundation/math/Vec3.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/messages/Message.h"
#include "scene/nodes/IDebugRenderable.h"

class Actor;
class MessageDispatcher;

class SingleLevel : public GameFrame, public IDebugRenderable
{
public:
    SingleLevel(GameFrameManager* manager, const char* name);
    ~SingleLevel() override;

    bool IsExist() const { return _exist; }

    // Names the actor when a name is given, initialises it and appends it to the registry.
    void CreateActor(Actor* actor, const char* name);
    // Tells the logic, flags the actor deleted, shuts it down and takes it out of the registry;
    // then frees it (now) or keeps it until the mission ends. An actor that is not in the
    // registry (already destroyed, or never registered) is left alone.
    void DestroyActor(Actor* actor, bool now);
    // Exact name.
    Actor* GetActor(const char* name) const;
    // The caller keeps the index below GetActorsCount().
    Actor* GetActor(unsigned index) const { return _actors[index]; }
    unsigned GetActorsCount() const { return static_cast<unsigned>(_actors.size()); }
    // The index-th actor, in registry order, whose class name matches ignoring case.
    Actor* GetActorByClassname(const char* classname, unsigned index) const;
    unsigned GetActorCountByClassname(const char* classname) const;

    float DistanceToCamera(const Vec3& position) const;
    float DistanceToCameraSquared(const Vec3& position) const;

    // Queues a telegram; the payload passes with it. Without a mission it is dropped.
    void SendMessage(Actor* sender, Actor* receiver, eMessage type, Message* payload, float delay);

    void OnRender(eSceneLayerType, Camera*, MaterialSystem*) override {}

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override;

private:
    void SetDefault();
    void CreateMessageDispatcher();

    bool _exist = false;
    std::unique_ptr<MessageDispatcher> _dispatcher;
    std::vector<Actor*> _actors;    // owned
    std::vector<Actor*> _graveyard; // owned; shut down, freed at the end of the mission
};
