#include "scene/particles/EmitterMgr.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/ParticleEmitter.h"

#include <cstring>

EmitterMgr::EmitterMgr(ResourceSystem* resources, MaterialSystem* system)
    : ILuaScriptMgr(Name("ParticleSet")), _materialMgr(system ? system->GetMaterialMgr() : nullptr)
{
    CreateLuaVM();
    if (resources)
        resources->RegisterResMgr("pse", this);
    else
        InitDefaultResources();
}

EmitterMgr::~EmitterMgr() = default;

void EmitterMgr::InitDefaultResources()
{
    if (_proxy)
        return;
    ResourceInfo info;
    info.SetName("$proxy");
    _proxy = new ParticleSetAsset(info);
    _proxy->SetParsed();
    AddResource(_proxy);
}

void EmitterMgr::Load(const char* name, Emitter* emitter)
{
    SetEmitter(emitter);
    if (!name || !GetMaster())
    {
        Dumper::Instance().Print(DUMP_ERROR, "EmitterMgr: particle set \"%s\" cannot be loaded without resources\n",
                                 name ? name : "");
        return;
    }
    IResource* resource = GetMaster()->LoadResource(name, this, 0, 0);
    if (resource == INVALID_RES_HANDLE)
        return;
    LoadEmitter(static_cast<ParticleSetAsset*>(resource)->GetEmitters());
}

IResource* EmitterMgr::OnCreateResource(const ResourceInfo& info)
{
    _parsing = new ParticleSetAsset(info);
    AddResource(_parsing);
    return _parsing;
}

void EmitterMgr::OnInitResource()
{
    if (_parsing && !_parsing->IsParsed())
    {
        Dumper::Instance().Print(DUMP_ERROR, "Particle set \"%s\" defines no \"ParticleSet\" table: it plays nothing\n",
                                 _parsing->GetInfo().name);
    }
    _parsing = nullptr;
}

// A name that failed is kept as an empty set, so that it is not read (and reported) again.
IResource* EmitterMgr::OnCreateProxyResource(const ResourceInfo& info)
{
    _parsing = nullptr;
    if (!info.name[0])
        return _proxy ? _proxy : INVALID_RES_HANDLE;
    IResource* known = GetResource(info.name);
    if (known != INVALID_RES_HANDLE)
        return known;
    auto* empty = new ParticleSetAsset(info);
    empty->SetParsed();
    AddResource(empty);
    return empty;
}

void EmitterMgr::LoadEmitter(const std::vector<ParticleEmitterInfo>& list)
{
    if (!_emitter || list.empty())
        return;
    for (const ParticleEmitterInfo& info : list)
    {
        ParticleEmitter* emitter = _emitter->AddParticleEmitter();
        Material* material = info.materialPtr;
        if (!material && _materialMgr)
        {
            material = info.materialName[0] ? _materialMgr->CreateMaterialFromFile(info.materialName)
                                            : _materialMgr->GetProxyMaterial();
        }
        emitter->SetMaterial(material);
        emitter->SetAtlasParams(info.ASize, info.ASize);
        emitter->SetDefaultTexIndex(info.au, info.av);
        emitter->SetStartDelay(info.StartDelay);
        emitter->SetDuration(info.Duration);
        emitter->SetRepeatDelay(info.RepeatDelay);
        emitter->SetEmissionMode(static_cast<eEmissionMode>(info.EmissionMode));
        emitter->SetScatterMode(static_cast<eScatterMode>(info.ScatterMode));
        emitter->SetDefaultLengthAdjust(info.DefaultLengthAdjust);
        emitter->SetParticleShape(static_cast<eParticleShape>(info.ParticleShape));
        emitter->SetLodLevels(info.LodLevels);
        emitter->SetParticleAnimationLength(info.AnimLength);
        emitter->SetParticleAnimationDelay(info.AnimDelay);
        emitter->SetParticleLifetimeVar(info.ParticleLifetimeVar);
        emitter->SetParticleVelocityVar(info.ParticleVelocityVar);
        emitter->SetParticleSizeVar(info.ParticleSizeVar);
        emitter->SetParticleSpinVar(info.ParticleSpinVar);
        emitter->SetTintStrength(1.0f);
        emitter->GetEmissionRate() = info.Rate;
        emitter->GetEmissionScattering() = info.Scattering;
        emitter->GetEmissionInnerRadius() = info.InnerRadius;
        emitter->GetEmissionOuterRadius() = info.OuterRadius;
        emitter->GetEmissionLifetime() = info.Lifetime;
        emitter->GetParticleVelocity() = info.Velocity;
        emitter->GetParticleSize() = info.Size;
        emitter->GetParticleSpin() = info.Spin;
        emitter->GetParticleColor() = info.Color;
    }
    _emitter->Play(list.front().speed);
}

void EmitterMgr::Serialize(Emitter* emitter, std::vector<ParticleEmitterInfo>* list) const
{
    if (!emitter || !list)
        return;
    for (unsigned i = 0; i < emitter->GetNumParticleEmitters(); ++i)
    {
        const ParticleEmitter* e = emitter->GetParticleEmitter(i);
        ParticleEmitterInfo& info = list->emplace_back();
        info.materialPtr = e->GetMaterial();
        info.au = e->GetTexIndexU();
        info.av = e->GetTexIndexV();
        info.ASize = e->GetAtlasDivU();
        info.StartDelay = e->GetStartDelay();
        info.Duration = e->GetDuration();
        info.RepeatDelay = e->GetRepeatDelay();
        info.EmissionMode = e->GetEmissionMode();
        info.ScatterMode = e->GetScatterMode();
        info.DefaultLengthAdjust = e->GetDefaultLengthAdjust();
        info.ParticleShape = e->GetParticleShape();
        info.LodLevels = e->GetLodLevels();
        info.AnimLength = e->GetParticleAnimationLength();
        info.AnimDelay = e->GetParticleAnimationDelay();
        info.ParticleLifetimeVar = e->GetParticleLifetimeVar();
        info.ParticleVelocityVar = e->GetParticleVelocityVar();
        info.ParticleSizeVar = e->GetParticleSizeVar();
        info.ParticleSpinVar = e->GetParticleSpinVar();
        info.Rate = e->GetEmissionRate();
        info.Scattering = e->GetEmissionScattering();
        info.InnerRadius = e->GetEmissionInnerRadius();
        info.OuterRadius = e->GetEmissionOuterRadius();
        info.Lifetime = e->GetEmissionLifetime();
        info.Velocity = e->GetParticleVelocity();
        info.Size = e->GetParticleSize();
        info.Spin = e->GetParticleSpin();
        info.Color = e->GetParticleColor();
    }
}

void EmitterMgr::Deserialize(Emitter* emitter, std::vector<ParticleEmitterInfo>* list)
{
    SetEmitter(emitter);
    if (list)
        LoadEmitter(*list);
}
