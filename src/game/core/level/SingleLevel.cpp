#include "game/core/level/SingleLevel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>

#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"
#include "game/core/messages/MessageDispatcher.h"
#include "game/world/actor/Actor.h"
#include "scene/nodes/Camera.h"

SingleLevel::SingleLevel(GameFrameManager* manager, const char* name) : GameFrame(manager, name) { SetDefault(); }

SingleLevel::~SingleLevel() { UserShutDown(); }

void SingleLevel::SetDefault() { _exist = false; }

void SingleLevel::CreateMessageDispatcher() { _dispatcher = std::make_unique<MessageDispatcher>(); }

void SingleLevel::UserInitialize()
{
    CreateMessageDispatcher();
    _exist = true;
}

void SingleLevel::UserProceed(float)
{
    if (!_exist)
        return;
    const float spf = game.GetSPF();
    _dispatcher->DispatchDelayedMessages(spf);
    // Actors made during the pass are reached in the same pass.
    for (size_t i = 0; i < _actors.size(); ++i)
        _actors[i]->Proceed();
}

void SingleLevel::UserShutDown()
{
    if (!_exist)
        return;
    _exist = false;
    for (Actor* actor : _actors)
        actor->OnLevelEnd();
    // Shutting an actor down may send telegrams or flag others; the registry is walked by index.
    for (size_t i = 0; i < _actors.size(); ++i)
        _actors[i]->ShutDown();
    for (Actor* actor : _actors)
        delete actor;
    _actors.clear();
    for (Actor* actor : _graveyard)
        delete actor;
    _graveyard.clear();
    _dispatcher->ShutDown();
    _dispatcher.reset();
    SetDefault();
}

void SingleLevel::CreateActor(Actor* actor, const char* name)
{
    if (!actor)
        return;
    if (name)
        actor->SetName(name);
    actor->Initialize();
    _actors.push_back(actor);
}

void SingleLevel::DestroyActor(Actor* actor, bool now)
{
    auto found = std::find(_actors.begin(), _actors.end(), actor);
    if (!actor || found == _actors.end())
        return;
    actor->SetDeleted(true);
    actor->ShutDown();
    // Shutting down may have destroyed other actors and moved this one.
    found = std::find(_actors.begin(), _actors.end(), actor);
    if (found != _actors.end())
    {
        *found = _actors.back();
        _actors.pop_back();
    }
    if (!now)
    {
        _graveyard.push_back(actor);
        return;
    }
    if (_dispatcher)
        _dispatcher->PurgeActor(actor);
    delete actor;
}

Actor* SingleLevel::GetActor(const char* name) const
{
    if (!name)
        return nullptr;
    for (Actor* actor : _actors)
    {
        if (std::strcmp(actor->GetName(), name) == 0)
            return actor;
    }
    return nullptr;
}

Actor* SingleLevel::GetActorByClassname(const char* classname, unsigned index) const
{
    if (!classname)
        return nullptr;
    for (Actor* actor : _actors)
    {
        if (strcasecmp(actor->GetClassname(), classname) == 0 && index-- == 0)
            return actor;
    }
    return nullptr;
}

unsigned SingleLevel::GetActorCountByClassname(const char* classname) const
{
    if (!classname)
        return 0;
    unsigned count = 0;
    for (const Actor* actor : _actors)
        count += strcasecmp(actor->GetClassname(), classname) == 0 ? 1 : 0;
    return count;
}

float SingleLevel::DistanceToCamera(const Vec3& position) const { return std::sqrt(DistanceToCameraSquared(position)); }

float SingleLevel::DistanceToCameraSquared(const Vec3& position) const
{
    const Camera* camera = game.GetCamera();
    return camera ? position.DistanceSquared(camera->GetGlobalPos()) : position.LengthSquared();
}

void SingleLevel::SendMessage(Actor* sender, Actor* receiver, eMessage type, Message* payload, float delay)
{
    if (!_dispatcher)
    {
        delete payload;
        return;
    }
    _dispatcher->DispatchMessage(sender, receiver, type, payload, delay);
}
