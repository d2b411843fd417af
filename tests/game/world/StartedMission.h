#pragma once
// A test of the game world in a mission of the game started on a hidden window over the game
// data: the render scene, the render device, the sounds, the particle files and the settings
// are the game's own. The game starts once per test program; each test gets a fresh mission,
// a fresh limiter, dynamic lights on, difficulty 2, the camera at the origin and seeded random
// numbers.
#include <gtest/gtest.h>

#include <memory>

#include "WorldTestSupport.h"
#include "foundation/math/Vec3.h"

class SingleLevel;

class StartedMissionTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    SingleLevel& Level() { return _mission->Level(); }
    // Frames of the given length, at most one of a sixtieth of a second each by default.
    void Frame(float seconds = 1.0f / 60.0f) { _mission->Frame(seconds); }
    void Run(float seconds, float frame = 1.0f / 60.0f);
    unsigned Count(const char* classname) const;
    void PlaceCamera(const Vec3& position);

private:
    std::unique_ptr<TestMission> _mission;
};
