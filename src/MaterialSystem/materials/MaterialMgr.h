#pragma once

#include "MaterialSystem/materials/Material.h"
#include "ResourceSystem/ILuaScriptMgr.h"
#include "foundation/lua/Table.h"

class MaterialSystem;
class ShaderLib;
class TextureMgr;
namespace gfx {
class Device;
}

// The manager of materials: runs ".mat" scripts in a machine of its own (where the MF_ flags
// are defined), fills each material from its "Material" table and logs what was wrong with
// it. Brings up the shader library and owns it until it is destroyed.
class MaterialMgr : public ILuaScriptMgr
{
public:
    MaterialMgr(MaterialSystem* system, gfx::Device* device, const char* shaderRoot);
    ~MaterialMgr() override;

    // Cached by name; a file that cannot be read yields a stand-in for "$proxy".
    Material* CreateMaterialFromFile(const char* path);
    // A material without script; initialised only for "$" names. The caller binds a shader.
    Material* CreateMaterial(const char* name);
    void DestroyMaterial(Material* material);
    // Deletes every material but the built-in ones.
    void Cleanup();

    // Around a device reset: state blocks are dropped, then recorded again and the
    // parameter blocks rebuilt.
    void ResetMaterials();
    void RestoreMaterials();

    Material* GetProxyMaterial() const { return _proxy; }
    Material* GetWireMaterial() const { return _wireframe; }
    ShaderLib* GetShaderLib() const;
    TextureMgr* GetTextureMgr() const { return _textureMgr; }
    MaterialSystem* GetMaterialSystem() const { return _system; }

    IResource* OnCreateProxyResource(const ResourceInfo& info) override;
    IResource* OnCreateResource(const ResourceInfo& info) override;
    using ILuaScriptMgr::OnCreateResource;
    bool OnParseEntryTable(Table table) override;
    void InitDefaultResources() override;

private:
    Material* MakeMaterial(const char* name, int32_t location);
    void MakeProxy(Material& material) const;

    gfx::Device* _device;
    MaterialSystem* _system;
    TextureMgr* _textureMgr;
    Material* _created = nullptr;
    Table _table;
    Material* _proxy = nullptr;
    Material* _wireframe = nullptr;
};
