#pragma once
// A running mission of its own, on the game started once for the suite, with the camera at the
// origin, for the tests of world objects and their parts: it spawns objects of the demo game
// data and finds the actors they leave behind.
#include <vector>

#include "MissionFixture.h"
#include "foundation/math/Matrix.h"

class DestructableObject;
class Object;
class ObjectPart;

class ObjectMission : public MissionFixture
{
protected:
    // An empty level file, read to its end: the mission runs.
    void SetUp() override;
    void Frame(float seconds = 1.0f / 60.0f) { MissionFixture::Frame(seconds); }

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
};

// The part of that name, or null.
ObjectPart* PartNamed(const DestructableObject* parts, const char* name);
ObjectPart* PartNamed(const Object* object, const char* name);
Matrix Placed(const Vec3& position);
