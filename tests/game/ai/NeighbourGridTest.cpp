// The neighbour grid hands each entity's avoidance the entities it would pick from the whole
// list: crowds and scattered ships, entities moving and changing speed between the queries as
// they do while the manager updates them in turn.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "game/ai/NeighbourGrid.h"
#include "game/ai/steering/SimpleEntity.h"

using namespace Pelloris;

TEST(NeighbourGrid, AvoidanceFromTheNearOnesEqualsAvoidanceFromAll)
{
    struct Case
    {
        const char* what;
        float spread; // half the side of the box they start in
        int count;
    };
    const Case cases[] = {
        {"crowded", 150, 60},
        {"scattered", 4000, 200},
        {"mixed", 1200, 150},
    };
    constexpr float Seconds = 1.0f / 30;
    std::mt19937 random(11);
    std::uniform_real_distribution<float> unit(-1, 1);
    for (const Case& test : cases)
    {
        std::vector<std::unique_ptr<SimpleEntity>> owned;
        std::vector<AbstractEntity*> entities;
        for (int i = 0; i < test.count; ++i)
        {
            auto entity = std::make_unique<SimpleEntity>();
            entity->SetPosition(SteerVec3(unit(random), unit(random), unit(random)) * test.spread);
            entity->RegenerateBasisFromForward({unit(random), unit(random), unit(random) + 0.01f});
            entity->SetMaxSpeed(150 + 100 * unit(random));
            entity->SetMaxForce(100);
            entity->SetSpeed(entity->GetMaxSpeed() * (0.5f + 0.5f * unit(random)));
            entity->SetRadius(10 + 20 * (1 + unit(random)));
            entities.push_back(entity.get());
            owned.push_back(std::move(entity));
        }
        // And pairs closing head on at full speed, meeting just inside the look-ahead.
        for (int pair = 0; pair < 10; ++pair)
        {
            const SteerVec3 centre = SteerVec3(unit(random), unit(random), unit(random)) * test.spread;
            const SteerVec3 axis = SteerVec3(unit(random), unit(random), unit(random) + 0.01f).Normalize();
            for (const float side : {-1.0f, 1.0f})
            {
                auto entity = std::make_unique<SimpleEntity>();
                entity->SetMaxSpeed(250);
                entity->SetMaxForce(100);
                entity->SetSpeed(250);
                entity->SetRadius(12);
                entity->SetPosition(centre + axis * side * (250 * 1.99f));
                entity->RegenerateBasisFromForward(axis * -side);
                entities.push_back(entity.get());
                owned.push_back(std::move(entity));
            }
        }
        NeighbourGrid grid;
        size_t nearSum = 0, queries = 0;
        int steering = 0;
        for (int frame = 0; frame < 10; ++frame)
        {
            grid.Build(entities, Seconds, 2.0f, 100);
            for (size_t i = 0; i < owned.size(); ++i)
            {
                SimpleEntity& entity = *owned[i];
                // Ordered to a speed, as a task or a found target would, before it looks about.
                if (i % 7 == 0)
                    entity.SetSpeed(100);
                const SteerVec3 fromAll = entity.AvoidNeighbours(2.0f, entities);
                const std::vector<AbstractEntity*>& near = grid.Near(entity);
                nearSum += near.size();
                ++queries;
                const SteerVec3 fromNear = entity.AvoidNeighbours(2.0f, near);
                ASSERT_EQ(fromAll, fromNear) << test.what << " frame " << frame << " entity " << i;
                steering += fromAll != SteerVec3::zero;
                entity.ApplySteering(fromAll + SteerVec3(unit(random), unit(random), unit(random)) * 100, Seconds);
            }
        }
        EXPECT_GT(steering, 0) << test.what;
        if (test.spread > 2000)
        {
            EXPECT_LT(nearSum / queries, entities.size() / 4) << "few are near when they are scattered";
        }
    }
}
