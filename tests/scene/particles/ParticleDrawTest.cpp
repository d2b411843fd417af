// Particles on screen: the game's explosion played frame by frame through the scene's passes
// and drawn with its materials, its screenshots checked as it grows and fades.
#include "../SceneFixture.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "scene/nodes/Camera.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/particles/ParticleEmitter.h"
#include "scene/visitors/SelectionVisitor.h"
#include "scene/visitors/TransformVisitor.h"
#include "scene/visitors/UtilityVisitors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t Background = 0x000000;

// What a screenshot shows of the effect: the pixels it lights, how far from the centre they
// reach, and how bright they are.
struct Look
{
    unsigned lit = 0;
    float reach = 0.0f;
    float brightness = 0.0f; // the mean of the lit pixels, 0..255
};

// A 24-bit ".bmp" as the screenshot writer stores it, as 0xRRGGBB words, top row first.
bool ReadBmp(const fs::path& path, int& width, int& height, std::vector<uint32_t>& rgb)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto u32 = [&](size_t at) { return uint32_t(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24); };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || (b[28] | b[29] << 8) != 24)
        return false;
    width = int(u32(18));
    const int stored = int(u32(22));
    height = std::abs(stored);
    const size_t row = (size_t(width) * 3 + 3) & ~size_t(3);
    if (b.size() < u32(10) + row * height)
        return false;
    rgb.resize(size_t(width) * height);
    for (int y = 0; y < height; ++y)
    {
        const uint8_t* src = b.data() + u32(10) + row * (stored > 0 ? height - 1 - y : y);
        for (int x = 0; x < width; ++x)
            rgb[size_t(y) * width + x] = src[x * 3] | src[x * 3 + 1] << 8 | src[x * 3 + 2] << 16;
    }
    return true;
}

Look LookAt(const std::vector<uint32_t>& rgb, int width, int height)
{
    Look look;
    double sum = 0.0;
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            const uint32_t p = rgb[size_t(y) * width + x];
            const float luminance =
                0.3f * float(p >> 16 & 0xFF) + 0.59f * float(p >> 8 & 0xFF) + 0.11f * float(p & 0xFF);
            if (luminance < 24.0f)
                continue;
            ++look.lit;
            sum += luminance;
            look.reach = std::max(look.reach, std::hypot(float(x - width / 2), float(y - height / 2)));
        }
    }
    look.brightness = look.lit ? float(sum / look.lit) : 0.0f;
    return look;
}

class ParticleDrawTest : public DeviceTest
{
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        if (IsSkipped())
            return;
        _mgr = std::make_unique<EmitterMgr>(_resources.get(), _system.get());
        _mgr->SetRootDir((std::string(GAME_DATA_DIR) + "/particles/").c_str());
        _queue = _system->CreateRenderQueue();
        _camera = _scene->CreateCamera();
        _camera->SetAspectRatio(float(_width) / float(_height));
        _camera->SetFov(60.0f);
        _camera->SetPosition(0.0f, 0.0f, -70.0f);
        fs::remove_all(_shots);
        fs::create_directories(_shots);
    }
    void TearDown() override
    {
        if (_queue)
            _system->DestroyRenderQueue(_queue);
        _mgr.reset();
        DeviceTest::TearDown();
    }

    // One frame as the scene runs it: the update pass, the transform pass, the visible prims
    // queued and drawn back to front over black. A screenshot is saved when asked for.
    void Frame(float seconds, bool shot)
    {
        UpdateVisitor update(seconds);
        _scene->GetStageRoot()->Traverse(update, TM_DEPTH_FIRST);
        TransformVisitor transform;
        _scene->GetStageRoot()->Traverse(transform, TM_DEPTH_FIRST);

        _queue->FlushContent();
        SelectionVisitor select(_camera, _queue, _queue, _queue, _queue, _queue);
        _scene->GetStageRoot()->Traverse(select, TM_DEPTH_FIRST);
        ShaderParamsGlobal global;
        global.SetViewTransform(&_camera->GetViewMatrix());
        global.SetProjectionTransform(&_camera->GetProjMatrix());
        global.SetScreenParams(float(_width), float(_height));
        global.SetClipPlanes(_camera->GetFarClip(), _camera->GetNearClip());
        _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000u | Background, 1.0f);
        _queue->SortPrims(SO_FRESH_FRAMEBUFFER_LAST);
        _queue->PreprocessPrims();
        _queue->RenderPrims(&global);
        // The screenshot is written relative to the working folder at the next present.
        const fs::path before = fs::current_path();
        fs::current_path(_shots);
        if (shot)
            _system->TakeScreenShot();
        _system->Present(&global);
        fs::current_path(before);
    }

    Look Shot(int index)
    {
        int width = 0, height = 0;
        std::vector<uint32_t> rgb;
        char name[32];
        std::snprintf(name, sizeof(name), "screen%.4d.bmp", index);
        EXPECT_TRUE(ReadBmp(_shots / "screenshots" / name, width, height, rgb)) << name;
        return LookAt(rgb, width, height);
    }

    const fs::path _shots = fs::absolute("particle_shots");
    std::unique_ptr<EmitterMgr> _mgr;
    RenderQueue* _queue = nullptr;
    Camera* _camera = nullptr;
};

} // namespace

TEST_F(ParticleDrawTest, AnExplosionGrowsAndFades)
{
    Emitter* effect = _scene->CreateEmitter(SL_STAGE);
    _mgr->Load("explosion.pse", effect);
    ASSERT_EQ(effect->GetNumParticleEmitters(), 3u);
    ASSERT_NE(effect->GetParticleEmitter(0)->GetMaterial(), _system->GetMaterialMgr()->GetProxyMaterial());
    const float total = effect->GetTotalDuration();

    // Shots at 0.1, 0.4, 0.8 and 1.5 s, and one after the effect's whole duration.
    const float times[] = {0.1f, 0.4f, 0.8f, 1.5f, total + 1.5f};
    const float step = 1.0f / 30.0f;
    float now = 0.0f;
    Frame(0.0f, false); // the first update of an effect does nothing
    for (float at : times)
    {
        while (now + step < at)
        {
            Frame(step, false);
            now += step;
        }
        Frame(step, true);
        now += step;
    }
    Frame(step, false); // presents the last shot
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();

    std::vector<Look> looks;
    for (int i = 0; i < 5; ++i)
        looks.push_back(Shot(i));
    for (const Look& look : looks)
        RecordProperty("look",
                       testing::PrintToString(std::vector<float>{float(look.lit), look.reach, look.brightness}));
    EXPECT_GT(looks[0].lit, 200u);
    // It grows...
    EXPECT_GT(looks[1].lit, looks[0].lit);
    EXPECT_GT(looks[1].reach, looks[0].reach);
    // ...then dims...
    EXPECT_LT(looks[2].brightness, looks[1].brightness);
    EXPECT_LT(looks[3].brightness, looks[2].brightness);
    // ...and is gone once it has played out.
    EXPECT_EQ(looks[4].lit, 0u);
}

TEST_F(ParticleDrawTest, EveryShapeReachesTheScreen)
{
    struct Case
    {
        const char* file;
        const char* shapes;
        unsigned lit; // at least
    };
    // Engines draw crossed billboards, sparks lines and points, the trail a ribbon behind an
    // emitter that moves across the view.
    const Case cases[] = {{"engine.pse", "billboards", 100},
                          {"ytg_sush_02_engine_big.pse", "crossed billboards", 100},
                          {"sparks.pse", "lines and points", 30},
                          {"trail.pse", "ribbon", 100}};
    int shot = 0;
    for (const Case& c : cases)
    {
        Emitter* effect = _scene->CreateEmitter(SL_STAGE);
        effect->Yaw(90.0f, CS_LOCAL); // exhaust across the view
        _mgr->Load(c.file, effect);
        Frame(0.0f, false);
        for (int i = 0; i < 8; ++i)
        {
            effect->SetPosition(-20.0f + float(i) * 5.0f, 5.0f * std::sin(float(i) * 0.8f), 0.0f);
            Frame(1.0f / 30.0f, i == 7);
        }
        Frame(0.0f, false);
        const Look look = Shot(shot++);
        EXPECT_GE(look.lit, c.lit) << c.file << ": " << c.shapes;
        _scene->DestroyNode(effect);
    }
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
}
