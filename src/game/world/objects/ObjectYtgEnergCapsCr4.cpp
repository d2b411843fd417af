#include "game/world/objects/ObjectYtgEnergCapsCr4.h"

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/parts/PartVisuals.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/particles/ParticleSet.h"

ObjectYtgEnergCapsCr4::ObjectYtgEnergCapsCr4()
{
    SetName("YtgEnergyCapsCr4");
    SetClassname("YtgEnergyCapsCr4");
}

void ObjectYtgEnergCapsCr4::DoDamage(float amount)
{
    Object::DoDamage(amount);
    if (_damaged || GetHPCurrent() >= GetHPMaximum() * 0.5f)
        return;
    _damaged = true;
    // Only a capsule shown by its own mesh has a material to swap.
    if (_mesh)
        _mesh->SetMaterial(0, LoadMaterial("ytg_energ_caps_cr3_damaged.mat"));
    StartLightning();
}

void ObjectYtgEnergCapsCr4::StartLightning()
{
    StopLightning();
    _lightning = CreateParticleSetNode(_mainModel, "lighting.mat", 24.0f, 5);
    if (!_lightning)
        return;
    _lightning->SetAtlasParams(2, 2);
    _lightningParticle = _lightning->CreateParticle();
    _lightningTime = LightningTime;
}

void ObjectYtgEnergCapsCr4::StopLightning()
{
    if (RenderScene* scene = game.GetRenderScene())
        scene->DestroyNode(_lightning);
    _lightning = nullptr;
    _lightningParticle = nullptr;
}

void ObjectYtgEnergCapsCr4::UserProceed()
{
    Object::UserProceed();
    if (!_lightningParticle || !_mainModel)
        return;
    _lightningParticle->position = _mainModel->GetGlobalPos();
    _lightningParticle->texU = static_cast<uint16_t>(EngineRandom() % 2);
    _lightningParticle->texV = static_cast<uint16_t>(EngineRandom() % 2);
    _lightningParticle->angle = static_cast<float>(EngineRandom() % 360);
    _lightningParticle->size = static_cast<float>(EngineRandom() % 12 + 19);
    _lightningTime -= game.GetSPF();
    if (_lightningTime < 0.0f)
        StopLightning();
}

void ObjectYtgEnergCapsCr4::UserPreDeleteEffect()
{
    SingleLevel* level = game.GetLevel();
    if (!level || !_mainModel)
        return;
    const Matrix pose = _mainModel->GetWorldMatrix();
    if (EngineRandom() % 8 == 2)
    {
        const Vec3 position = pose.Pos();
        const Vec3 from =
            position + Vec3(static_cast<float>(EngineRandom() % 3), -20.0f, static_cast<float>(EngineRandom() % 3));
        const Vec3 direction = UnitOrZero(position - from);
        if (Object* piece = level->CreateObject("ytg_energ_caps_cr4_a", nullptr))
        {
            piece->SetPose(pose);
            piece->AddForce(direction * 12.0f, NX_SMOOTH_VELOCITY_CHANGE);
            piece->AddTorque(direction * 10.0f, NX_SMOOTH_VELOCITY_CHANGE);
        }
    }
    level->CreateExplosion(pose, 192, 10, EXPLOSION_BLAST, false);
}
