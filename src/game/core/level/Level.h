#pragma once
// The older level framework: a level owns a physics space and the object entries of a level
// file, and runs its objects and physics each frame; a set of game rules drives a level. Nothing
// in the game makes one; the mission frame does this work.
#include <memory>
#include <vector>

#include "game/core/frames/GameFrame.h"
#include "game/core/level/GameObject.h"

class LevelObjectInfo;
class PhysicsSpace;
class ResourceSystem;
class Timer;
class VirtualMachine;

class Level
{
public:
    Level();
    virtual ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Keeps the three, makes the physics space, then the derived set-up.
    void Initialize(ResourceSystem* resources, Timer* timer, VirtualMachine* vm);
    // Runs the file into the global "Level"; each "obj" member that is a table becomes an
    // object entry. False when the file cannot be run.
    bool Load(const char* file);
    LevelObjectInfo* GetObjectInfoByIndex(int index) const;
    int GetObjectInfoCount() const { return static_cast<int>(_infos.size()); }

    void RegisterObject(GameObject* object) { _objects.RegisterObject(object); }
    GameObject* GetObjectByIndex(int index) const { return _objects.GetObjectByIndex(index); }
    int GetObjectCount() const { return _objects.GetObjectCount(); }

    // The objects, one physics step, then the derived update.
    void Proceed(float seconds);
    // The derived shut-down, the entries freed, the physics space released.
    void ShutDown();
    PhysicsSpace* GetPhys() const { return _space; }

protected:
    virtual void UserInitialize() = 0;
    virtual void UserProceed() = 0;
    virtual void UserShutDown() = 0;

private:
    Timer* _timer = nullptr;
    VirtualMachine* _vm = nullptr;
    ResourceSystem* _resources = nullptr;
    PhysicsSpace* _space = nullptr;
    GameObjectManager _objects;
    std::vector<std::unique_ptr<LevelObjectInfo>> _infos;
};

// A level with nothing of its own.
class SpaceLevel : public Level
{
protected:
    void UserInitialize() override {}
    void UserProceed() override {}
    void UserShutDown() override {}
};

enum eGameModes : int
{
    GAME_MODE_SINGLE = 0,
    GAME_MODE_NETWORK = 1,
};

// Drives a level: each of its steps runs the level's first, then its own.
class GameRules
{
public:
    virtual ~GameRules() = default;

    void Initialize(Level* level, ResourceSystem* resources, Timer* timer, VirtualMachine* vm);
    void Proceed(float seconds);
    void ShutDown();
    eGameModes GetGameMode() const { return _mode; }
    void SetGameMode(eGameModes mode) { _mode = mode; }
    Level* GetLevel() const { return _level; }

protected:
    virtual void UserInitialize() = 0;
    virtual void UserProceed() = 0;
    virtual void UserShutDown() = 0;

private:
    eGameModes _mode = GAME_MODE_SINGLE;
    Level* _level = nullptr;
};

// A frame that scrolls a level; it does nothing.
class LevelScroller : public GameFrame, public IDebugRenderable
{
public:
    using GameFrame::GameFrame;
    void OnRender(eSceneLayerType, Camera*, MaterialSystem*) override {}

protected:
    void UserInitialize() override {}
    void UserProceed(float) override {}
    void UserShutDown() override {}
};
