#pragma once
// A running mission of the test's own on a game started once for the whole suite, with the
// camera at the origin, for the tests of world objects and their parts. It spawns objects of
// the demo game data and finds the actors they leave behind.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "WorldTestSupport.h"
#include "foundation/math/Matrix.h"
#include "game/core/level/SingleLevel.h"

class DestructableObject;
class Object;
class ObjectPart;

class ObjectMission : public testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // An empty level file, read to its end: the mission runs.
    void StartMission();
    void Frame(float seconds = 1.0f / 60.0f);

    // An object of the game data's type placed at the position.
    Object* Spawn(const char* type, const Vec3& position);
    // The name of an object type of the test's own, made on first use: a box of 100 hit points
    // of the material, or a wreck's debris ("ytg_debris_" names) of it.
    static const char* Crate(int material, bool wreck = false);

    template <class T>
    std::vector<T*> ActorsOf() const
    {
        std::vector<T*> found;
        for (unsigned i = 0; i < level.GetActorsCount(); ++i)
            if (auto* actor = dynamic_cast<T*>(level.GetActor(i)))
                found.push_back(actor);
        return found;
    }
    // The bodies in the physics scene.
    unsigned BodyCount() const;

    static StartedGame* _game;
    FrameClock clock;
    SingleLevel level{nullptr, "level"};

private:
    SingleLevel* _gameLevel = nullptr;
    bool _started = false;
};

// The part of that name, or null.
ObjectPart* PartNamed(const DestructableObject* parts, const char* name);
ObjectPart* PartNamed(const Object* object, const char* name);
Matrix Placed(const Vec3& position);
