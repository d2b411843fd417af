#include "game/core/level/SingleLevel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>

#include "foundation/lua/Table.h"
#include "game/ai/LevelLogic.h"
#include "game/core/game/Game.h"
#include "game/core/level/LevelProgress.h"
#include "game/core/messages/MessageDispatcher.h"
#include "game/world/actor/Actor.h"
#include "game/world/environment/Track.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "gui/menus/LevelMenu.h"
#include "scene/nodes/Camera.h"

SingleLevel::SingleLevel(GameFrameManager* manager, const char* name) : GameFrame(manager, name) { SetDefault(); }

SingleLevel::~SingleLevel() { UserShutDown(); }

void SingleLevel::SetDefault()
{
    _exist = false;
    _disableAI = false;
    _loaded = false;
    _asteroidCounter = 0;
    _debrisType = DEBRIS_ROCK;
    _time = 0;
    _fadeTime = 0;
    _fadeMaterial = nullptr;
    _player.reset();
    _dispatcher.reset();
    _space = nullptr;
    _logic.reset();
    _progressScreen.reset();
    _levelFile[0] = _descFile[0] = _logicFile[0] = '\0';
}

void SingleLevel::CreateMessageDispatcher()
{
    if (_dispatcher)
        _dispatcher->ShutDown();
    _dispatcher = std::make_unique<MessageDispatcher>();
}

void SingleLevel::UserInitialize()
{
    CreateMessageDispatcher();
    _exist = true;
    _loaded = true;
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
    if (_player)
        _player->Proceed();
    if (_logic)
        _logic->Proceed();
    _time += spf;
}

void SingleLevel::UserShutDown()
{
    if (!_exist)
        return;
    _exist = false;
    for (Actor* actor : _actors)
        actor->OnLevelEnd();
    if (_logic)
        _logic->ShutDown();
    _logic.reset();
    // Shutting an actor down may register others; the registry is walked by index.
    for (size_t i = 0; i < _actors.size(); ++i)
        _actors[i]->ShutDown();
    for (Actor* actor : _actors)
        delete actor;
    _actors.clear();
    for (Actor* actor : _graveyard)
        delete actor;
    _graveyard.clear();
    if (_dispatcher)
        _dispatcher->ShutDown();
    _dispatcher.reset();
    for (Track* track : _tracks)
        delete track;
    _tracks.clear();
    _player.reset();
    if (_progressScreen)
        _progressScreen->ShutDown();
    _levelMenu.reset();
    _obstacles.clear();
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
    if (_logic)
        _logic->OnActorDestroy(actor);
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

Track* SingleLevel::CreateTrack()
{
    _tracks.push_back(new Track());
    return _tracks.back();
}

Track* SingleLevel::GetTrackByName(Name name) const
{
    for (Track* track : _tracks)
    {
        if (track->GetName() == name)
            return track;
    }
    return nullptr;
}

void SingleLevel::AddObstacle(const Vec3& centre, float radius) { _obstacles.emplace_back(centre, radius); }

float SingleLevel::DistanceToCamera(const Vec3& position) const { return std::sqrt(DistanceToCameraSquared(position)); }

float SingleLevel::DistanceToCameraSquared(const Vec3& position) const
{
    PlayerShip* ship = _player ? _player->GetShip() : nullptr;
    if (const Bone* model = ship ? ship->GetMainModel() : nullptr)
        return position.DistanceSquared(model->GetGlobalPos());
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

void SingleLevel::EventSelectUp()
{
    if (_levelMenu)
        _levelMenu->EventSelectUp();
}

void SingleLevel::EventSelectDown()
{
    if (_levelMenu)
        _levelMenu->EventSelectDown();
}

void SingleLevel::EventSelectLeft()
{
    if (_levelMenu)
        _levelMenu->EventSelectLeft();
}

void SingleLevel::EventSelectRight()
{
    if (_levelMenu)
        _levelMenu->EventSelectRight();
}

void SingleLevel::EventSelectApply()
{
    if (_levelMenu)
        _levelMenu->EventSelectApply();
}

void SingleLevel::EventSelectDecline()
{
    if (_levelMenu)
        _levelMenu->EventSelectDecline();
}

void SingleLevel::LoadSubLevel(const char*) {}
