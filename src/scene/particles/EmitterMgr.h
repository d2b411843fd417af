#pragma once

#include "ResourceSystem/IResource.h"
#include "ResourceSystem/ILuaScriptMgr.h"
#include "scene/particles/ParticleEmitterInfo.h"

#include <string>
#include <vector>

class Emitter;
class MaterialMgr;
class MaterialSystem;
class ResourceSystem;

// A particle set file as read: one description per particle emitter, in file order.
class ParticleSetAsset : public IResource
{
public:
    explicit ParticleSetAsset(const ResourceInfo& info) : IResource(info) {}

    std::vector<ParticleEmitterInfo>& GetEmitters() { return _emitters; }
    // True once the file's "ParticleSet" table has been read.
    bool IsParsed() const { return _parsed; }
    void SetParsed() { _parsed = true; }

private:
    std::vector<ParticleEmitterInfo> _emitters;
    bool _parsed = false;
};

// The manager of particle set files (extension "pse"): data-language scripts assigning the
// table "ParticleSet". Each file is parsed once and kept by its lower-case name; Load fills an
// effect with particle emitters from it and plays it. A file that is missing or does not
// define a particle set is reported once and fills nothing.
class EmitterMgr : public ILuaScriptMgr
{
public:
    // Registers for "pse" with the resource system; without a material system no material is
    // set on the emitters.
    EmitterMgr(ResourceSystem* resources, MaterialSystem* system);
    ~EmitterMgr() override;

    // Adds the file's particle emitters to the effect and plays it at the file's speed; an
    // empty file leaves the effect as it was.
    void Load(const char* name, Emitter* emitter);
    // Forgets every parsed file.
    void Clear() { RemoveAllResources(false); }
    void SetEmitter(Emitter* emitter) { _emitter = emitter; }
    Emitter* GetEmitter() const { return _emitter; }
    MaterialMgr* GetMaterialMgr() const { return _materialMgr; }

    // Writes the target effect as a particle set file; false (logged) when it cannot.
    bool Save(const char* path) const;
    // Appends the description of each of the effect's particle emitters.
    void Serialize(Emitter* emitter, std::vector<ParticleEmitterInfo>* list) const;
    // Makes the effect the target and fills it from the descriptions.
    void Deserialize(Emitter* emitter, std::vector<ParticleEmitterInfo>* list);

    IResource* OnCreateProxyResource(const ResourceInfo& info) override;
    IResource* OnCreateResource(const ResourceInfo& info) override;
    using ILuaScriptMgr::OnCreateResource;
    bool OnParseEntryTable(Table table) override;
    void OnInitResource() override;
    void InitDefaultResources() override;

private:
    void LoadEmitter(const std::vector<ParticleEmitterInfo>& list);
    // The text Save writes.
    std::string SaveText() const;

    MaterialMgr* _materialMgr = nullptr;
    Emitter* _emitter = nullptr;
    ParticleSetAsset* _parsing = nullptr; // the asset being built
    ParticleSetAsset* _proxy = nullptr;   // "$proxy": no emitters
};
