#include "game/core/level/SingleLevel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/base/Profiler.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/lua/Table.h"
#include "game/ai/EntityManager.h"
#include "game/ai/LevelLogic.h"
#include "game/core/game/Game.h"
#include "game/core/level/LevelProgress.h"
#include "game/core/messages/MessageDispatcher.h"
#include "game/world/actor/Actor.h"
#include "game/world/environment/Track.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/core/level/LevelMenu.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxScene.h"

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

void SingleLevel::UserProceed(float)
{
    if (_failed)
        LeaveForMenus();
    if (!_exist)
        return;
    if (!_loaded)
    {
        ParseLevelScriptProceed();
        return;
    }
    static const Name PhysSimulation("PhysSimulation");
    static const Name PhysFlushStream("PhysFlushStream");
    static const Name PhysFetchResult("PhysFetchResult");
    static const Name Dispatcher("MessageDispatcher");
    static const Name Actors("Actors");
    static const Name PlayerScope("Player");
    static const Name Logic("LevelLogic");
    static const Name AiScope("AI");
    const float spf = game.GetSPF();
    if (NxScene* scene = _space ? _space->GetScene() : nullptr)
    {
        {
            AutoScopeProfile scope(PhysSimulation);
            scene->simulate(spf);
        }
        {
            AutoScopeProfile scope(PhysFlushStream);
            scene->flushStream();
        }
        AutoScopeProfile scope(PhysFetchResult);
        scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
    }
    {
        AutoScopeProfile scope(Dispatcher);
        _dispatcher->DispatchDelayedMessages(spf);
    }
    if (_space)
        _space->UpdateShapeGraveyard();
    {
        AutoScopeProfile scope(AiScope);
        Pelloris::EntityManager::GetInstance()->Trigger(spf);
    }
    {
        // Actors made during the pass are reached in the same pass.
        AutoScopeProfile scope(Actors);
        for (size_t i = 0; i < _actors.size(); ++i)
            _actors[i]->Proceed();
    }
    if (_player)
    {
        AutoScopeProfile scope(PlayerScope);
        _player->Proceed();
    }
    if (_logic)
    {
        AutoScopeProfile scope(Logic);
        _logic->Proceed();
    }
    _time += spf;
    if (_levelMenu)
        _levelMenu->Proceed();
    DrawFade(spf);
    if (_progressScreen && _progressScreen->IsInitialised())
        _progressScreen->ShutDown();
}

float SingleLevel::GetFadeAlpha() const
{
    if (!_fadeMaterial || _fadeTime <= 0)
        return 0;
    return std::min(1.0f, _fadeTime * 0.5f);
}

void SingleLevel::DrawFade(float spf)
{
    if (!_fadeMaterial || _fadeTime <= 0)
        return;
    MaterialSystem* render = game.GetRender();
    const VideoSettings* video = render ? render->GetSettings() : nullptr;
    if (video)
        render->RenderQuad(_fadeMaterial, Vec2(0, 0), Vec2(float(video->ScrWidth), float(video->ScrHeight)), 0,
                           Color(1, 1, 1, GetFadeAlpha()), 0);
    _fadeTime = std::max(0.0f, _fadeTime - spf);
}

void SingleLevel::UserShutDown()
{
    if (_exist)
        EndMission();
}

void SingleLevel::EndMission()
{
    _exist = false;
    if (RenderScene* scene = game.GetRenderScene())
        scene->RemoveUserObject(this);
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
    // Nothing of the mission holds its track names any more.
    _trackNames.GiveBack();
    _levelTable.reset();
    _levelKeys.clear();
    _player.reset();
    if (_space)
        ReleasePhysicsSpace();
    _space = nullptr;
    if (_progressScreen)
        _progressScreen->ShutDown();
    _levelMenu.reset();
    _obstacles.clear();
    // The file names outlive the mission: a switch to "level" while it is current shuts it down
    // after LoadLevel chose the next files, and a retry plays the same files again.
    char levelFile[PathSize], descFile[PathSize], logicFile[PathSize];
    std::memcpy(levelFile, _levelFile, PathSize);
    std::memcpy(descFile, _descFile, PathSize);
    std::memcpy(logicFile, _logicFile, PathSize);
    SetDefault();
    std::memcpy(_levelFile, levelFile, PathSize);
    std::memcpy(_descFile, descFile, PathSize);
    std::memcpy(_logicFile, logicFile, PathSize);
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

bool SingleLevel::HasActor(const Actor* actor) const
{
    return actor && std::find(_actors.begin(), _actors.end(), actor) != _actors.end();
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
