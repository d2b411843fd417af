#pragma once

#include "MaterialSystem/IDeviceResource.h"
#include "ResourceSystem/IResource.h"
#include "platform/effect/EffectTypes.h"

#include <cstdint>
#include <memory>
#include <string>

namespace fx {
class Effect;
}
class ShaderParams;

enum eShaderType : uint32_t
{
    SHADER_TYPE_PLAIN = 0,
    SHADER_TYPE_BUILTIN = 1,
    SHADER_TYPE_INCLUDE = 2,
    SHADER_TYPE_SYSTEM = 3,
    SHADER_TYPE_MATERIAL = 4,
    SHADER_TYPE_POSTPROCESS = 5,
};

// One compiled effect of the shader library with its valid techniques and passes. A last
// pass named "Restore" is not counted among the passes; End runs it.
class Shader : public IResource, public IDeviceResource
{
public:
    static constexpr unsigned MaxValidTechniques = 16;

    explicit Shader(const ResourceInfo& info);
    ~Shader() override;
    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;

    // The type from the text before the first "_" ("$" first means built-in).
    static eShaderType ShaderTypeFromName(const char* name);
    // Appends the prefix of the type, the name, and ".fx" unless the name holds it.
    static void ShaderNameFromType(eShaderType type, const char* name, std::string& out);

    // Takes the compiled effect: finds the deferred-shading marker, selects the first valid
    // technique and, for system, material and post-process shaders, collects the defaults.
    void Initialize(std::unique_ptr<fx::Effect> effect);

    unsigned Begin(unsigned flags);
    void BeginPass(unsigned pass);
    void EndPass();
    void ApplyChanges();
    void End();

    bool SelectTechnique(unsigned index);
    // Selects the first valid technique not named "Dummy" (or simply the first when `name`
    // is null) and gives its name. False when none qualifies.
    bool SelectFirstValidTechnique(std::string* name);
    unsigned ValidateAllTechniques();
    bool IsCurrentTechniqueValid() const;

    void OnDeviceReset(gfx::Device* device) override;
    void OnDeviceRestore(gfx::Device* device) override;
    unsigned GetWastedMemory() override { return 0; }

    eShaderType GetType() const { return _type; }
    ShaderParams* GetDefaultParams() const { return _defaultParams.get(); }
    unsigned GetNumValidTechniques() const { return _numValidTechniques; }
    unsigned GetNumPasses() const { return _numPasses; }
    bool HasRestorePass() const { return _hasRestorePass; }
    bool UsesDeferredShading() const { return _deferredShading; }
    // Whether its deferred output holds an emissive colour (a parameter named "usingEmissive").
    bool WritesEmissive() const { return _emissive; }
    // Whether what it draws is 0 in every channel wherever the bilinear sample of its base map,
    // level 0 only, has an alpha of 0 (a parameter named "clearWhereBaseMapClear").
    bool ClearWhereBaseMapClear() const { return _clearWithBaseMap; }
    const std::string& GetScriptData() const { return _script; }
    void SetScriptData(std::string script) { _script = std::move(script); }
    // Null when the shader failed to compile (it stays loaded without an effect).
    fx::Effect* GetD3DEffect() const { return _effect.get(); }
    fx::Handle GetCurrentTechnique() const { return _technique; }
    const char* GetName() const { return _info.name; }

private:
    std::string _script;
    std::unique_ptr<ShaderParams> _defaultParams;
    eShaderType _type;
    std::unique_ptr<fx::Effect> _effect;
    unsigned _currentIndex = 0;
    fx::Handle _technique = fx::kNoHandle;
    unsigned _numPasses = 0;
    bool _hasRestorePass = false;
    bool _deferredShading = false;
    bool _emissive = false;
    bool _clearWithBaseMap = false;
    fx::Handle _validTechniques[MaxValidTechniques] = {};
    unsigned _numValidTechniques = 0;
};
