#pragma once
// A test of what the game draws: the demo mission run by the whole game frame by frame in the
// game started for the test program, on the test's clock for the game and its movies alike and
// with the same random numbers every run, and screenshots read back from the frame just drawn.
// Each shot is also kept as a ".bmp" under "<folder>" beside the assembled data, for people
// to look at.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "WorldTestSupport.h"

class SingleLevel;

class DemoOnScreenTest : public testing::Test
{
protected:
    explicit DemoOnScreenTest(const char* folder);
    void SetUp() override;
    // Leaves the mission.
    void TearDown() override;

    // The demo mission, loaded and faded in; null when it does not run.
    SingleLevel* StartDemo();
    // Frames of the whole game, a thirtieth of a second each; only every `drawEvery`-th is drawn,
    // the last among them.
    void Run(float seconds, int drawEvery = 1);
    // The frame just drawn, also written under the name.
    std::vector<uint32_t> Shot(const std::string& name);

    // What a frame adds to one before it: the pixels it clearly brightens, how far from the
    // centre of the screen they reach, and the light it adds in all.
    struct Look
    {
        unsigned lit = 0;
        float reach = 0;
        float light = 0;
    };
    Look Compare(const std::vector<uint32_t>& shot, const std::vector<uint32_t>& before) const;

private:
    FrameClock _clock;
    std::shared_ptr<double> _movieSeconds = std::make_shared<double>(0.0);
    std::filesystem::path _shots;
    unsigned _width = 0;
};
