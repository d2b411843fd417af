#include "game/world/objects/DebrisCloud.h"

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"

void ThrowDebrisCloud(const Vec3& centre, int count, eDebrisType kind, int speedRange)
{
    SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    for (int i = 0; i < count; ++i)
    {
        Vec3 position = centre;
        position.x += static_cast<float>(20 - EngineRandom() % 40);
        position.y += static_cast<float>(20 - EngineRandom() % 40);
        position.z += static_cast<float>(20 - EngineRandom() % 40);
        level->CreateDebris(position, ChunkVelocity(speedRange), kind, true);
    }
}

Vec3 ChunkVelocity(int speedRange)
{
    const int span = speedRange * 20;
    auto component = [&] {
        return span > 0 ? static_cast<float>(speedRange * 10 - EngineRandom() % span) * 0.1f : 0.0f;
    };
    Vec3 velocity;
    velocity.x = component();
    velocity.y = component();
    velocity.z = component();
    SpeedUpFirstSlowAxis(velocity);
    return velocity;
}

void SpeedUpFirstSlowAxis(Vec3& velocity)
{
    for (float* axis : {&velocity.x, &velocity.y, &velocity.z})
    {
        if (*axis > 0.0f && *axis < 256.0f)
        {
            *axis = static_cast<float>(EngineRandom() % 64 + 128);
            return;
        }
        if (*axis < 0.0f && *axis > -256.0f)
        {
            *axis = -static_cast<float>(EngineRandom() % 64) - 128.0f;
            return;
        }
    }
}
