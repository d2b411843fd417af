#include "DemoOnScreen.h"

#include <algorithm>
#include <cmath>

#include "MaterialSystem/MaterialSystem.h"
#include "StartedMission.h"
#include "foundation/base/Random.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "layers/flash/FlashControl.h"
#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Texture.h"

DemoOnScreenTest::DemoOnScreenTest(const char* folder)
    : _shots(std::filesystem::path(GAME_DATA_DIR).parent_path() / folder)
{}

void DemoOnScreenTest::SetUp()
{
    const StartedGame* started = GetStartedGame();
    if (!started || !started->Started())
        GTEST_SKIP() << "no display";
    std::filesystem::create_directories(_shots);
    // The movies made from here on (the HUD's) play on the frames' clock too; the clock outlives
    // the test with any movie that holds it.
    FlashHost::FlashControl::setDefaultClock([seconds = _movieSeconds] { return *seconds; });
}

void DemoOnScreenTest::TearDown()
{
    if (GameFrameManager* frames = game.GetGameFrameManager())
    {
        frames->SetActive("empty");
        Run(1, 30);
    }
    FlashHost::FlashControl::setDefaultClock(nullptr);
}

SingleLevel* DemoOnScreenTest::StartDemo()
{
    SingleLevel* level = game.GetLevel();
    if (!level)
        return nullptr;
    // The AI off, so that the ships hold still between the shots that are compared; the same
    // random numbers every run.
    level->SetDisableAI(true);
    EngineSeed(5);
    level->LoadLevel("demo.lua", "demo_desc.lua", "demo_logic.lua");
    // Loading, then the white fade-in of two seconds.
    Run(2.5f);
    const GameFrame* current = game.GetGameFrameManager()->GetCurrent();
    return current && std::string(current->GetName()) == "level" && level->IsLoaded() ? level : nullptr;
}

void DemoOnScreenTest::Run(float seconds, int drawEvery)
{
    for (int frames = static_cast<int>(seconds * 30 + 0.5f); frames > 0; --frames)
    {
        _clock.Tick(1.0f / 30);
        *_movieSeconds += 1.0 / 30;
        // The last frame is drawn, for the shot that may follow.
        if (frames % drawEvery == 1 % drawEvery)
            game.Proceed();
        else
            game.ProceedUndrawn();
    }
}

std::vector<uint32_t> DemoOnScreenTest::Shot(const std::string& name)
{
    MaterialSystem* render = game.GetRender();
    gfx::Texture* back = render->GetBackBuffer();
    _width = back->GetWidth();
    const unsigned height = back->GetHeight();
    std::vector<uint32_t> pixels(size_t(_width) * height);
    EXPECT_TRUE(render->GetDevice()->ReadPixels(back, gfx::Rect{0, 0, int(_width), int(height)}, pixels.data()));
    WriteBmp((_shots / (name + ".bmp")).c_str(), _width, height, pixels.data());
    return pixels;
}

DemoOnScreenTest::Look DemoOnScreenTest::Compare(const std::vector<uint32_t>& shot,
                                                 const std::vector<uint32_t>& before) const
{
    auto luminance = [](uint32_t p) {
        return 0.3f * float(p >> 16 & 0xFF) + 0.59f * float(p >> 8 & 0xFF) + 0.11f * float(p & 0xFF);
    };
    const unsigned height = _width ? static_cast<unsigned>(shot.size() / _width) : 0;
    Look look;
    for (size_t i = 0; i < shot.size() && i < before.size(); ++i)
    {
        const float added = luminance(shot[i]) - luminance(before[i]);
        if (added <= 32)
            continue;
        ++look.lit;
        look.light += added;
        const float x = float(i % _width) - float(_width / 2), y = float(i / _width) - float(height / 2);
        look.reach = std::max(look.reach, std::hypot(x, y));
    }
    return look;
}
