#pragma once
// Forward-lit stand-ins for deferred materials, for reference frames that draw the scene's meshes
// straight through one render queue: each deferred material gets one twin with the diffuse
// effect and its base map; the others stand for themselves.
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/Shader.h"

#include <map>
#include <string>

class ForwardTwins
{
public:
    explicit ForwardTwins(MaterialSystem* system) : _system(system) {}

    Material* Of(Material* material)
    {
        if (!material)
            return nullptr;
        const auto found = _twins.find(material);
        if (found != _twins.end())
            return found->second;
        Material* twin = material;
        if (material->GetBindedShader() && material->GetBindedShader()->UsesDeferredShading())
        {
            twin = _system->GetMaterialMgr()->CreateMaterial(
                ("$forward_" + std::string(material->GetInfo().name)).c_str());
            twin->BindShaderEx("MAT_Diffuse.fx", nullptr);
            if (const ShaderVar* texture = material->FindValue("BASE_MAP"))
                twin->AddTexture("BASE_MAP", texture->texture);
        }
        _twins[material] = twin;
        return twin;
    }

private:
    MaterialSystem* _system;
    std::map<Material*, Material*> _twins;
};
