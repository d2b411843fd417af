#pragma once
// A mission frame of the test's own, installed as the game's level on a game started once for
// the whole suite; the test writes its level files and runs frames of a chosen length.
#include <gtest/gtest.h>

#include <string>

#include "WorldTestSupport.h"
#include "game/core/level/SingleLevel.h"

class MissionFixture : public testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Writes "levels/test.lua" (and the description and logic when given), names them to the
    // frame and starts the mission. No frame has run yet.
    void Start(const std::string& level, const std::string& desc = "", const std::string& logic = "");
    void Frame(float seconds);
    // Frames until the level file is read; false when that takes more than `frames`.
    bool FinishLoading(int frames = 100);

    static StartedGame* _game;
    FrameClock clock;
    SingleLevel level{nullptr, "level"};

private:
    SingleLevel* _gameLevel = nullptr;
};

// "Level.<key> = <value>;" lines.
std::string Entry(const std::string& key, const std::string& value);
