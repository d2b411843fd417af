#include "scene/nodes/Omni.h"

#include "MaterialSystem/meshes/Mesh.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "foundation/math/Sphere.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/NodeDesc.h"
#include "scene/visitors/NodeVisitor.h"

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

void Omni::ReadFromDesc(const NodeDesc& desc)
{
    Node::ReadFromDesc(desc);
    range = desc.GetFloat(NodeDesc::OmniRange);
    intensity = desc.GetFloat(NodeDesc::OmniIntensity);
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
