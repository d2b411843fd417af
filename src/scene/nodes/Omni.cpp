#include "scene/nodes/Omni.h"

#include "MaterialSystem/meshes/Mesh.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "foundation/base/Dumper.h"
#include "foundation/math/Sphere.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/NodeDesc.h"
#include "scene/visitors/NodeVisitor.h"

#include <cmath>

Omni::Omni(Group* root, RenderScene* scene) : Renode(root, scene)
{
    Mesh* shape = scene ? scene->GetOmniShapeMesh() : nullptr;
    if (!shape)
        return;
    for (unsigned lod = 0; lod < ShapeCount; ++lod)
        _shapes[lod] = shape->CreateRenderable(lod, 0);
}

Omni::~Omni()
{
    Mesh* shape = GetScene() ? GetScene()->GetOmniShapeMesh() : nullptr;
    for (MeshRenderable* renderable : _shapes)
        if (renderable && shape)
            shape->DestroyRenderable(renderable);
}

bool Omni::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool Omni::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

void Omni::WriteToDesc(NodeDesc& desc) const
{
    Node::WriteToDesc(desc);
    desc.SetSize(NodeDesc::OmniSize);
    desc.SetFloat(NodeDesc::OmniRange, range);
    desc.SetFloat(NodeDesc::OmniIntensity, intensity);
    desc.SetU32(NodeDesc::OmniAttenuation, attenuation.ARGB());
    desc.SetU32(NodeDesc::OmniDiffuse, diffuse.ARGB());
    desc.SetU32(NodeDesc::OmniSpecular, specular.ARGB());
}

// A reach that is not a positive number would reach the light's bounds, its scissor and its
// shader; such values keep the defaults.
void Omni::ReadFromDesc(const NodeDesc& desc)
{
    Node::ReadFromDesc(desc);
    const float newRange = desc.GetFloat(NodeDesc::OmniRange);
    const float newIntensity = desc.GetFloat(NodeDesc::OmniIntensity);
    if (std::isfinite(newRange) && newRange > 0.0f && std::isfinite(newIntensity))
    {
        range = newRange;
        intensity = newIntensity;
    }
    else
    {
        Dumper::Instance().Print(DUMP_WARNING, "Omni \"%s\": range or intensity is not usable, the defaults are kept\n",
                                 GetName().Str());
    }
    attenuation = desc.GetU32(NodeDesc::OmniAttenuation);
    diffuse = desc.GetU32(NodeDesc::OmniDiffuse);
    specular = desc.GetU32(NodeDesc::OmniSpecular);
}

void Omni::UpdateCameraBasedParams(Camera* camera, unsigned maxLod)
{
    Renode::UpdateCameraBasedParams(camera, maxLod);
    _inside = camera && Sphere(position, range).Intersects(camera->GetGlobalPos());
}

void Omni::UpdateBounds(const Matrix& parentWorld)
{
    position = parentWorld.GetRow3(3);
    _worldBounds.SetDimensions(position - Vec3(range), position + Vec3(range));
}
