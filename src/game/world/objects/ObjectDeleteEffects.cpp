// World objects: what their removal leaves behind while the mission runs: fire handed over to
// burn out, a flash and sparks for wrecks, asteroids broken into their fragments, and clouds
// of debris chunks by material. Far-away removals make no sprites, particles or chunks.
#include <cstring>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/effects/ParticleKeeper.h"
#include "game/world/objects/DebrisCloud.h"
#include "game/world/objects/Object.h"
#include "game/world/parts/PartVisuals.h"
#include "scene/nodes/Model.h"
#include "scene/particles/Emitter.h"

namespace {

constexpr float Near = 4194304.0f;     // 2048 squared
constexpr float Visible = 16777216.0f; // 4096 squared

struct Fragments
{
    const char* asteroid;
    const char* pieces[5];
    int count;
    bool pushed; // pushed apart, with a rock cloud when near
};

// The fragments are object types and also the names of the bones they start at.
const Fragments FragmentLists[] = {
    {"ast_m_a", {"ast_m_a_a", "ast_m_a_b", "ast_m_a_c", "ast_m_a_d", "ast_m_a_e"}, 5, true},
    {"ast_m_b", {"ast_m_b_a", "ast_m_b_b", "ast_m_b_c", "ast_m_b_d"}, 4, false},
    {"ast_m_c", {"ast_m_c_a", "ast_m_c_b", "ast_m_c_c"}, 3, false},
    {"ast_m_d", {"ast_m_d_a", "ast_m_d_b"}, 2, false},
};

} // namespace

void Object::UserPreDeleteEffect()
{
    if (!_prototype || !game.GetLevel())
        return;
    if (IsWreck(_prototype->name))
    {
        HandOverFire();
        BurstIntoSparks();
    }
    if (!BreakIntoFragments())
        ThrowDebrisClouds();
}

void Object::HandOverFire()
{
    if (!_fireEmitter)
        return;
    _fireEmitter->Detach();
    _fireEmitter->Stop();
    game.GetLevel()->CreateActor(new ParticleKeeper(_fireEmitter), nullptr);
    _fireEmitter = nullptr;
}

void Object::BurstIntoSparks() const
{
    if (!_mainModel || DistanceToCameraSquared() >= Visible)
        return;
    SingleLevel* level = game.GetLevel();
    const Vec3 position = _mainModel->GetGlobalPos();
    const Quaternion orientation = _mainModel->GetGlobalOrientation();
    level->CreateSprite(LoadMaterial("prt_particlesexp00_add.mat"), position, 32, Vec2(0.0f, 0.0f), 24, 0.03f);
    level->CreateParticleEffect("sparksGib.pse", position, orientation, false, nullptr, Vec3(0.0f));
    level->CreateParticleEffect("expFireGib.pse", position, orientation, false, nullptr, Vec3(0.0f));
}

bool Object::BreakIntoFragments()
{
    const Fragments* list = nullptr;
    for (const Fragments& candidate : FragmentLists)
        if (std::strcmp(_prototype->name, candidate.asteroid) == 0)
            list = &candidate;
    if (!list)
        return false;
    SingleLevel* level = game.GetLevel();
    Model* model = GetMainModelEx();
    for (int i = 0; i < list->count; ++i)
    {
        Object* fragment = level->CreateObject(list->pieces[i], nullptr);
        if (!fragment)
            continue;
        // A model without the fragment's bone sets it off at the asteroid's own place.
        const Bone* bone = model ? model->FindBone(Name(list->pieces[i])) : nullptr;
        const Matrix start = bone ? bone->GetWorldMatrix() : GetRoot();
        fragment->SetPose(start);
        if (!list->pushed)
            continue;
        const Vec3 spin(static_cast<float>(16 - EngineRandom() % 32), static_cast<float>(16 - EngineRandom() % 32),
                        static_cast<float>(16 - EngineRandom() % 32));
        fragment->AddTorque(UnitOrZero(spin) * -10.0f, NX_SMOOTH_VELOCITY_CHANGE);
        const float push = static_cast<float>(EngineRandom() % 256 + 768);
        fragment->AddForce(UnitOrZero(start.Pos() - GetRoot().Pos()) * push, NX_SMOOTH_VELOCITY_CHANGE);
    }
    if (list->pushed && DistanceToCameraSquared() < Near)
        ThrowDebrisCloud(_mainModel ? _mainModel->GetGlobalPos() : GetPosition(), 64, DEBRIS_ROCK, 200);
    return true;
}

void Object::ThrowDebrisClouds() const
{
    const float distance = DistanceToCameraSquared();
    const Vec3 centre = _mainModel ? _mainModel->GetGlobalPos() : GetPosition();
    const float material = _prototype->materialType;
    if (material == 0.0f && distance < Near)
        ThrowDebrisCloud(centre, 64, DEBRIS_ROCK, 200);
    if (material == 3.0f && distance < Near)
        ThrowDebrisCloud(centre, 128, DEBRIS_ICE, 200);
    if (material == 4.0f && distance < Visible)
        ThrowDebrisCloud(centre, 128, DEBRIS_LAVA, 200);
    if (std::strcmp(_prototype->name, "ytg_baken_00") == 0 && distance < Visible)
        ThrowDebrisCloud(centre, 128, DEBRIS_YTG, 100);
}
