#include "ObjectMission.h"

#include <cstring>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/world/objects/Object.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "scene/nodes/Camera.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxScene.h"

StartedGame* ObjectMission::_game = nullptr;

void ObjectMission::SetUpTestSuite() { _game = new StartedGame(); }

void ObjectMission::TearDownTestSuite()
{
    delete _game;
    _game = nullptr;
}

void ObjectMission::SetUp()
{
    if (!_game->Started())
        GTEST_SKIP() << "no display: " << _game->Error();
    EngineSeed(1234);
    _gameLevel = game.GetLevel();
    game.SetLevel(&level);
    game.GetCamera()->SetPosition(0.0f, 0.0f, 0.0f);
    StartMission();
}

void ObjectMission::TearDown()
{
    level.ShutDown();
    if (_game->Started())
        game.SetLevel(_gameLevel);
}

void ObjectMission::StartMission()
{
    _game->Data().WriteLevel("objects.lua", "");
    level.LoadLevel("objects.lua", "objects.lua", "objects.lua");
    level.Initialize();
    for (int i = 0; i < 10 && !level.IsLoaded(); ++i)
        Frame();
    ASSERT_TRUE(level.IsLoaded());
    ASSERT_NE(level.GetSpace(), nullptr);
}

void ObjectMission::Frame(float seconds)
{
    clock.Tick(seconds);
    level.Proceed(seconds);
}

Object* ObjectMission::Spawn(const char* type, const Vec3& position)
{
    Object* object = level.CreateObject(type, nullptr);
    if (object)
        object->SetPose(Placed(position));
    return object;
}

unsigned ObjectMission::BodyCount() const
{
    return static_cast<unsigned>(level.GetSpace()->GetScene()->getActors().size());
}

ObjectPart* PartNamed(const DestructableObject* parts, const char* name)
{
    for (int i = 0; parts && i < parts->GetPartCount(); ++i)
        if (std::strcmp(parts->GetPart(i)->GetName(), name) == 0)
            return parts->GetPart(i);
    return nullptr;
}

ObjectPart* PartNamed(const Object* object, const char* name)
{
    return PartNamed(object->GetDestructableObject(), name);
}

Matrix Placed(const Vec3& position)
{
    Matrix pose = Matrix::Ident();
    pose.Translate(position);
    return pose;
}
