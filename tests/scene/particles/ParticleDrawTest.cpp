// Particles on screen: the game's effects played frame by frame by the render scene and drawn
// with their materials; the explosion's screenshots are checked as it grows and fades.
#include "../SceneFixture.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "scene/nodes/Camera.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/particles/ParticleEmitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What a screenshot shows of the effect: the pixels it lights, how far from the centre they
// reach, and how bright they are.
struct Look
{
    unsigned lit = 0;
    float reach = 0.0f;
    float brightness = 0.0f; // the mean of the lit pixels, 0..255
};

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
        _camera = FrontCamera();
        _camera->SetPosition(0.0f, 0.0f, -70.0f);
        fs::create_directories(_shots);
    }
    void TearDown() override
    {
        _mgr.reset();
        DeviceTest::TearDown();
    }

    // A frame of the scene: the update pass by the time given, then the view.
    void Step(float seconds)
    {
        _scene->UpdateScene(seconds);
        _scene->RenderView(_camera, _timer);
    }

    // What the last frame shows; its screenshot is kept under the name for people to look at.
    Look Shot(const std::string& name)
    {
        const Look look = LookAt(ReadBackBuffer(), _width, _height);
        Frame(_camera, (_shots / (name + ".bmp")).c_str());
        return look;
    }

    const fs::path _shots = fs::absolute("particle_shots");
    std::unique_ptr<EmitterMgr> _mgr;
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
    Step(0.0f); // the first update of an effect does nothing
    std::vector<Look> looks;
    for (float at : times)
    {
        for (; now < at; now += step)
            Step(step);
        looks.push_back(Shot("explosion_" + std::to_string(looks.size())));
    }
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
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

TEST_F(ParticleDrawTest, EveryParticleMaterialBindsTheParticleEffect)
{
    const std::string folder = std::string(GAME_DATA_DIR) + "/materials";
    unsigned count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    {
        const std::string name = entry.path().filename().string();
        if (name.rfind("prt_", 0) != 0)
            continue;
        ++count;
        Material* material = _system->GetMaterialMgr()->CreateMaterialFromFile(name.c_str());
        EXPECT_STRCASEEQ(material->GetShaderName(), "MAT_Particles.fx") << name;
        EXPECT_TRUE(material->IsTranslucent() || name.find("_ref") != std::string::npos) << name;
    }
    EXPECT_GE(count, 14u);
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
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
    for (const Case& c : cases)
    {
        Emitter* effect = _scene->CreateEmitter(SL_STAGE);
        effect->Yaw(90.0f, CS_LOCAL); // exhaust across the view
        _mgr->Load(c.file, effect);
        Step(0.0f);
        for (int i = 0; i < 8; ++i)
        {
            effect->SetPosition(-20.0f + float(i) * 5.0f, 5.0f * std::sin(float(i) * 0.8f), 0.0f);
            Step(1.0f / 30.0f);
        }
        const Look look = Shot(fs::path(c.file).stem().string());
        EXPECT_GE(look.lit, c.lit) << c.file << ": " << c.shapes;
        _scene->DestroyNode(effect);
    }
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
}
