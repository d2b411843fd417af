#pragma once
// A test of the game world in a mission of the game started on a hidden window over the game
// data: the render scene, the render device, the sounds, the particle files, the physics and
// the settings are the game's own. The game starts once per test program; each test gets a
// fresh mission with the player at the origin facing +z and nothing else, a fresh limiter,
// dynamic lights on, difficulty 2, the camera at the origin and seeded random numbers.
#include <gtest/gtest.h>

#include <memory>

#include "WorldTestSupport.h"
#include "foundation/math/Vec3.h"

class SingleLevel;

// The game started for the test program; null before the first test.
const StartedGame* GetStartedGame();

class StartedMissionTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    SingleLevel& Level() { return *_level; }
    // One mission frame of the given length.
    void Frame(float seconds = 1.0f / 60.0f);
    void Run(float seconds, float frame = 1.0f / 60.0f);
    unsigned Count(const char* classname) const;
    void PlaceCamera(const Vec3& position);

private:
    std::unique_ptr<FrameClock> _clock;
    std::unique_ptr<SingleLevel> _level;
    SingleLevel* _gameLevel = nullptr; // the game's own, given back after the test
};
