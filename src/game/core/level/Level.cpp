#include "game/core/level/Level.h"

#include <cstring>

#include "foundation/lua/Table.h"
#include "game/core/catalogue/LevelObjectInfo.h"
#include "game/core/game/Game.h"
#include "game/core/level/LevelEntryReaders.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxScene.h"

Level::Level() = default;

Level::~Level() = default;

void Level::Initialize(ResourceSystem* resources, Timer* timer, VirtualMachine* vm)
{
    _resources = resources;
    _timer = timer;
    _vm = vm;
    _space = CreatePhysicsSpace(resources);
    UserInitialize();
}

bool Level::Load(const char* file)
{
    Table level;
    if (!RunDataFile(_vm, file, "Level", level))
        return false;
    for (const std::string& key : MemberKeys(level))
    {
        Table entry;
        if (std::strncmp(key.c_str(), "obj", 3) != 0 || !level.GetTable(key.c_str(), entry))
            continue;
        _infos.push_back(std::make_unique<LevelObjectInfo>(entry));
        _infos.back()->Initialize();
    }
    return true;
}

LevelObjectInfo* Level::GetObjectInfoByIndex(int index) const
{
    return index >= 0 && index < GetObjectInfoCount() ? _infos[index].get() : nullptr;
}

void Level::Proceed(float seconds)
{
    _objects.Proceed(seconds);
    if (NxScene* scene = _space ? _space->GetScene() : nullptr)
    {
        scene->simulate(game.GetSPF());
        scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
    }
    UserProceed();
}

void Level::ShutDown()
{
    UserShutDown();
    _infos.clear();
    if (_space)
        ReleasePhysicsSpace();
    _space = nullptr;
}

void GameRules::Initialize(Level* level, ResourceSystem* resources, Timer* timer, VirtualMachine* vm)
{
    _level = level;
    if (_level)
        _level->Initialize(resources, timer, vm);
    UserInitialize();
}

void GameRules::Proceed(float seconds)
{
    if (_level)
        _level->Proceed(seconds);
    UserProceed();
}

void GameRules::ShutDown()
{
    if (_level)
        _level->ShutDown();
    UserShutDown();
}
