// A fighter's engine trail in a mission of the started game: a ribbon that follows the engine
// bone, emitting as the scene runs.
#include <gtest/gtest.h>

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "StartedMission.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/ships/Fighter.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/ParticleEmitter.h"

namespace {

using EngineTrailTest = StartedMissionTest;

TEST_F(EngineTrailTest, ATrailHangsOnTheEngineBoneAndEmitsAsTheSceneRuns)
{
    Ship* fighter = Level().CreateShip("ytg_fighter_02", "ytg", "trailing");
    ASSERT_NE(fighter, nullptr);
    Model* model = fighter->GetMainModelEx();
    ASSERT_NE(model, nullptr);
    Bone* engine = model->FindBone(Name("engine_00"));
    ASSERT_NE(engine, nullptr);
    const unsigned children = engine->GetNumChildren();
    Material* material = game.GetRender()->GetMaterialMgr()->CreateMaterialFromFile("prt_trail_00_add.mat");
    static_cast<Fighter*>(fighter)->CreateStrip(material, engine, 0.5f, 3.0f);
    ASSERT_EQ(engine->GetNumChildren(), children + 1);
    auto* trail = dynamic_cast<Emitter*>(engine->GetChild(children));
    ASSERT_NE(trail, nullptr);
    ASSERT_EQ(trail->GetNumParticleEmitters(), 1u);
    const ParticleEmitter* ribbon = trail->GetParticleEmitter(0);
    EXPECT_EQ(ribbon->GetParticleShape(), PS_RIBBON_TRAIL);
    EXPECT_TRUE(trail->IsPlaying());
    for (int frame = 0; frame < 30; ++frame)
        game.GetRenderScene()->UpdateScene(1.0f / 60);
    EXPECT_GT(ribbon->GetTotalParticles(), 0u);
}

} // namespace
