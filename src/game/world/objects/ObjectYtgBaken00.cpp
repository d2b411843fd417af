#include "game/world/objects/ObjectYtgBaken00.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/parts/PartVisuals.h"
#include "scene/nodes/Model.h"
#include "scene/particles/ParticleSet.h"

namespace {

const char* const Caps[ObjectYtgBaken00::FlareCount] = {"kolpak_org_buy_00", "kolpak_org_buy_01", "kolpak_org_buy_02",
                                                        "kolpak_org_buy_03"};

} // namespace

float ObjectYtgBaken00::FlareFactor(float distanceSquared)
{
    return std::clamp((distanceSquared + 16384.0f) / 25000000.0f, 0.2f, 1.0f);
}

void ObjectYtgBaken00::UserInit()
{
    Object::UserInit();
    _flares = CreateParticleSetNode(_mainModel, "ytg_baken_glow_00.mat", 16.0f, FlareCount);
    if (!_flares)
        return;
    for (Particle*& flare : _flareParticles)
    {
        flare = _flares->CreateParticle();
        flare->position = Vec3(0.0f);
        flare->intensity = 1.0f;
    }
    _flareParticles[0]->size = 10.0f;
}

void ObjectYtgBaken00::UserProceed()
{
    Object::UserProceed();
    Blink(game.GetSPF());
    PlaceFlares();
}

void ObjectYtgBaken00::Blink(float spf)
{
    _intensity += _rising ? spf : -spf;
    if (_intensity < 0.0f)
    {
        _intensity = 0.0f;
        _rising = true;
    }
    if (_intensity > 0.75f)
    {
        _intensity = 0.75f;
        _rising = false;
    }
}

void ObjectYtgBaken00::PlaceFlares()
{
    Model* model = GetMainModelEx();
    if (!_flares || !model)
        return;
    const float factor = FlareFactor(DistanceToCameraSquared());
    for (int i = 0; i < FlareCount; ++i)
    {
        Particle* flare = _flareParticles[i];
        char name[32];
        std::snprintf(name, sizeof(name), "flare_0%d", i);
        if (const Bone* bone = model->FindBone(Name(name)))
            flare->position = bone->GetGlobalPos();
        flare->size = _intensity * 150.0f * factor;
        if (!_flareOn[i])
        {
            flare->size = 0.0f;
            flare->intensity = 0.0f;
        }
    }
}

void ObjectYtgBaken00::Nudge(float force, float torque)
{
    const Vec3 offset(static_cast<float>(16 - EngineRandom() % 32), static_cast<float>(16 - EngineRandom() % 32),
                      static_cast<float>(16 - EngineRandom() % 32));
    const Vec3 root = GetRoot().Pos();
    const Vec3 direction = UnitOrZero(root - (root + offset));
    AddForce(direction * force, NX_SMOOTH_VELOCITY_CHANGE);
    AddTorque(direction * torque, NX_SMOOTH_VELOCITY_CHANGE);
}

void ObjectYtgBaken00::OnPartDamaged(ObjectPart*) { Nudge(10.0f, 0.015f); }

void ObjectYtgBaken00::OnPartDestroyed(ObjectPart* part)
{
    if (std::strcmp(part->GetName(), "krestovina_buy_00") == 0)
    {
        for (const char* cap : Caps)
            SwitchPartToDestroyed(cap, false);
        SwitchPartToDestroyed("antena_buy_00", false);
        SwitchPartToDestroyed("antena_buy_01", false);
        Explode();
    }
    for (int i = 0; i < FlareCount; ++i)
        if (std::strcmp(part->GetName(), Caps[i]) == 0)
            _flareOn[i] = false;
    Nudge(25.0f, 0.4f);
}

void ObjectYtgBaken00::Explode()
{
    if (IsDead())
        return;
    if (SingleLevel* level = game.GetLevel())
        level->CreateExplosion(GetRoot(), 192, 10, EXPLOSION_BLAST, false);
    Object::Explode();
}
