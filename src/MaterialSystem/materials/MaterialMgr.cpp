#include "MaterialSystem/materials/MaterialMgr.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "ResourceSystem/LowerCase.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/lua/VirtualMachine.h"

namespace {

Material* AsMaterial(IResource* resource)
{
    return resource && resource != INVALID_RES_HANDLE ? dynamic_cast<Material*>(resource) : nullptr;
}

} // namespace

MaterialMgr::MaterialMgr(MaterialSystem* system, gfx::Device* device, const char* shaderRoot)
    : ILuaScriptMgr(Name("Material")), _device(device), _system(system),
      _textureMgr(system ? system->GetTextureMgr() : nullptr)
{
    CreateLuaVM();
    Table globals = GetLuaVM()->GetRegistry();
    unsigned count = 0;
    const MaterialFlagName* flags = GetMaterialFlagNames(count);
    for (unsigned i = 0; i < count; ++i)
        globals.SetNumber(flags[i].name, double(flags[i].value));
    ResourceSystem* resources = system ? system->GetResourceSystem() : nullptr;
    ShaderLib::GetInstance()->Init(this, resources, device, shaderRoot);
    if (resources)
    {
        resources->RegisterResMgr("mat", this);
    }
    else
    {
        InitDefaultResources();
    }
}

MaterialMgr::~MaterialMgr()
{
    // Materials hold shaders and parameter blocks of the library: they go first.
    _table.Invalidate();
    RemoveAllResources(true);
    ShaderLib::DestroyInstance();
}

ShaderLib* MaterialMgr::GetShaderLib() const { return ShaderLib::GetInstance(); }

Material* MaterialMgr::CreateMaterialFromFile(const char* path)
{
    ResourceSystem* resources = GetMaster();
    if (!path || !*path || !resources)
        return _proxy;
    _table.Invalidate();
    Material* material = AsMaterial(resources->LoadResource(path, this, 0, 1));
    if (!material)
        return _proxy;
    if (!material->IsInitialized())
    {
        material->InitFromScript(_table);
        if (!material->GetErrorText().empty())
        {
            Dumper& log = Dumper::Instance();
            log.Print(DUMP_WARNING, "There were some errors while parsing material script \"%s\":\n", path);
            log.Print(DUMP_PLAIN, "%s", material->GetErrorText().c_str());
        }
        material->SetInitialized();
    }
    _table.Invalidate();
    return material;
}

Material* MaterialMgr::MakeMaterial(const char* name, int32_t location)
{
    const std::string key = ToLowerCase(name ? name : "");
    if (Material* existing = AsMaterial(GetResource(key.c_str())))
        return existing;
    ResourceInfo info;
    info.location = location;
    info.SetName(key.c_str());
    info.size = sizeof(Material);
    auto* material = new Material(this, info);
    AddResource(material);
    return material;
}

Material* MaterialMgr::CreateMaterial(const char* name)
{
    if (!name || !*name)
        return _proxy;
    return MakeMaterial(name, ShaderLib::LocationMadeInCode);
}

void MaterialMgr::DestroyMaterial(Material* material)
{
    if (!material || GetResource(material->GetInfo().name) != material)
        return;
    if (material == _proxy)
        _proxy = nullptr;
    if (material == _wireframe)
        _wireframe = nullptr;
    RemoveResource(material);
}

void MaterialMgr::Cleanup() { RemoveAllResources(false); }

void MaterialMgr::ResetMaterials()
{
    for (IResource* r = BeginResource(); r != INVALID_RES_HANDLE; r = NextResource())
    {
        if (Material* material = AsMaterial(r))
            material->DestroyStateBlock();
    }
}

void MaterialMgr::RestoreMaterials()
{
    for (IResource* r = BeginResource(); r != INVALID_RES_HANDLE; r = NextResource())
    {
        if (Material* material = AsMaterial(r))
        {
            material->CompileStateBlock();
            material->Update(ShaderParams::CHANGED_VALUE);
        }
    }
}

void MaterialMgr::MakeProxy(Material& material) const
{
    material.MaterialFlags() = Flags(MF_TWO_SIDED);
    material.AddTexture("BASE_MAP", _textureMgr ? _textureMgr->GetMaterialProxyTexture() : nullptr);
    material.BindDefaultShader();
}

IResource* MaterialMgr::OnCreateProxyResource(const ResourceInfo& info)
{
    if (!info.name[0])
        return _proxy ? _proxy : INVALID_RES_HANDLE;
    // A material of its own that looks like "$proxy": callers may change what they get.
    Material* material = MakeMaterial(info.name, info.location);
    if (!material->IsInitialized())
    {
        MakeProxy(*material);
        material->SetInitialized();
    }
    return material;
}

IResource* MaterialMgr::OnCreateResource(const ResourceInfo& info)
{
    _created = MakeMaterial(info.name, info.location);
    return _created;
}

bool MaterialMgr::OnParseEntryTable(Table table)
{
    _table = table;
    return true;
}

void MaterialMgr::InitDefaultResources()
{
    _proxy = MakeMaterial("$proxy", ShaderLib::LocationMadeInCode);
    MakeProxy(*_proxy);
    _wireframe = MakeMaterial("$wireframe", ShaderLib::LocationMadeInCode);
    _wireframe->MaterialFlags() = Flags(MF_WIREFRAME | MF_TWO_SIDED | MF_UNLIT);
    _wireframe->AddTexture("BASE_MAP", _textureMgr ? _textureMgr->GetWhiteTexture() : nullptr);
    _wireframe->BindDefaultShader();
}
