#pragma once

#include "ResourceSystem/IResourceMgr.h"
#include "platform/effect/EffectTypes.h"
#include "platform/effect/Preprocessor.h"

#include <memory>
#include <string>
#include <vector>

class Dumper;
class MaterialMgr;
class ResourceSystem;
class Shader;
class ShaderUsageFlags;
namespace fx {
class EffectPool;
}
namespace gfx {
class Device;
}

// The resource manager of effects (".fx"): loads every effect below its root at start against
// one shared parameter pool, serves the compiler's includes from its own resources, compiles
// variants for sets of usage flags on demand and checks that each shader has a technique
// that can run. One instance exists.
class ShaderLib : public fx::IncludeHandler, public IResourceMgr
{
public:
    // Location of a resource made in code rather than read from a file.
    static constexpr int32_t LocationMadeInCode = 3;

    static ShaderLib* GetInstance();
    // Deletes the instance (the material manager does at shut-down).
    static void DestroyInstance();
    ~ShaderLib() override;

    // Keeps the manager and the device, sets the root, creates the pool and registers for
    // "fx" (which builds the proxy shader). Returns 1.
    int Init(MaterialMgr* manager, ResourceSystem* resources, gfx::Device* device, const char* rootDir);
    bool PrecacheShaders();
    void ValidateShaders(Dumper* log);
    // The shader of a name and a set of flags; INVALID_RES_HANDLE (logged) when the base shader
    // is not loaded; the proxy shader when the shader or its variant has no compiled effect or
    // the variant's name does not fit a resource name.
    Shader* FindOptimalShader(const char* name, ShaderUsageFlags* flags);
    // Deletes every shader but the built-in ones.
    void ClearShaders();

    Shader* GetProxyShader() const { return _proxy; }
    fx::Handle GetWorldInstancesHandle() const { return _worldInstances; }
    fx::EffectPool* GetEffectPool() const { return _pool.get(); }
    MaterialMgr* GetMaterialMgr() const { return _manager; }
    gfx::Device* GetDevice() const { return _device; }

    // Include handler: "name" is the include shader "INC_name.fx" of the library.
    bool Open(const std::string& name, std::string& text) override;

    void* OnQueryHeader(unsigned long& headerSize, const char* extension) override;
    IResource* OnCreateProxyResource(const ResourceInfo& info) override;
    IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) override;
    void InitDefaultResources() override;

private:
    ShaderLib() = default;
    bool Compile(Shader& shader, const std::vector<fx::Macro>& macros);
    Shader* Usable(Shader* shader);

    static std::unique_ptr<ShaderLib> _instance;

    MaterialMgr* _manager = nullptr;
    gfx::Device* _device = nullptr;
    std::unique_ptr<fx::EffectPool> _pool;
    Shader* _proxy = nullptr;
    fx::Handle _worldInstances = fx::kNoHandle;
};

// The text of the built-in proxy shader.
extern const char* const ProxyShaderText;
