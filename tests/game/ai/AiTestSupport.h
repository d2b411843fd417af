#pragma once
// A mission frame started without the engine, with plain ships of a fighter's body that the AI
// flies; each frame checks that every pose the AI wrote is a number.
#include <gtest/gtest.h>

#include <vector>

#include "WorldTestSupport.h"
#include "game/ai/EntityManager.h"
#include "game/ai/ShipEntity.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/ships/Ship.h"

// A ship with a fighter's hull and sensor sphere, noting the targets it is ordered to fire at.
class TestShip : public Ship
{
public:
    void UserInit() override;
    // The ship's own update, then its root from the body, as a fighter's.
    void UserProceed() override;
    void UserShutDown() override;
    void StartShooting(Actor* target, int index) override;
    using Ship::StartShooting;
    void MakeStateMachine() { CreateStateMachine(); }

    std::vector<Actor*> shots;
};

class AiMission : public testing::Test
{
protected:
    AiMission();

    // Registered with the mission under the name, at the pose, and given to the AI in the
    // fraction (none: no entity).
    TestShip* AddShip(const char* name, const char* fraction, const Vec3& position, const Vec3& dir = {0, 0, 1},
                      ShipType* type = nullptr);
    static Pelloris::ShipEntity& EntityOf(const Ship* ship) { return *ship->GetEntity(); }
    static Pelloris::EntityManager& Manager() { return *Pelloris::EntityManager::GetInstance(); }
    // One mission frame; fails the test when a body's pose is not a number.
    void Frame(float seconds = 1.0f / 30);
    // Frames until the condition holds; false when it does not within the count.
    template <class Condition>
    bool FramesUntil(int frames, Condition condition)
    {
        for (int i = 0; i < frames; ++i)
        {
            if (condition())
                return true;
            Frame();
        }
        return condition();
    }

    // Speed 200, throttle 100, mass 1, radius 10, visibility 3000, support 300.
    ShipType fighter;
    TestMission mission;
    std::vector<TestShip*> ships;
};
