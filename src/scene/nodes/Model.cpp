#include "scene/nodes/Model.h"

#include "scene/RenderScene.h"
#include "scene/particles/Emitter.h"
#include "scene/nodes/LensFlare.h"
#include "scene/nodes/Omni.h"
#include "scene/particles/ParticleSet.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/visitors/NodeVisitor.h"
#include "scene/visitors/UtilityVisitors.h"

#include <iterator>

Model::Model(Group* root, RenderScene* scene) : Group(root, scene) {}

Model::~Model()
{
    _markers.clear();
    if (RenderScene* scene = GetScene())
        scene->ForgetModel(this);
}

bool Model::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool Model::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

Node* Model::FindMarker(Name name, eNodeType type, eNodeType other) const
{
    auto it = _markers.find(int(name));
    if (it == _markers.end())
        return nullptr;
    const eNodeType found = it->second->GetType();
    return found == type || found == other ? it->second : nullptr;
}

Bone* Model::FindBone(Name name) const
{
    Node* node = FindMarker(name, NT_BONE, NT_GROUP);
    return node ? node->AsBone() : nullptr;
}

RenderMesh* Model::FindMesh(Name name) const
{
    return static_cast<RenderMesh*>(FindMarker(name, NT_RENDERMESH, NT_RENDERMESH));
}

ParticleSet* Model::FindParticleSet(Name name) const
{
    return static_cast<ParticleSet*>(FindMarker(name, NT_PARTICLESET, NT_PARTICLESET));
}

Emitter* Model::FindEmitter(Name name) const { return static_cast<Emitter*>(FindMarker(name, NT_EMITTER, NT_EMITTER)); }

Omni* Model::FindOmni(Name name) const { return static_cast<Omni*>(FindMarker(name, NT_OMNI, NT_OMNI)); }

LensFlare* Model::FindLensFlare(Name name) const
{
    return static_cast<LensFlare*>(FindMarker(name, NT_LENSFLARE, NT_LENSFLARE));
}

void Model::RebuildIdMarkers()
{
    _markers.clear();
    ModelIdMarkersBuilder builder(this);
    Traverse(builder, TM_DEPTH_FIRST);
}

Node* Model::GetNodeById(int index) const
{
    if (index < 0 || size_t(index) >= _markers.size())
        return nullptr;
    return std::next(_markers.begin(), index)->second;
}

void Model::AddMarker(Node* node)
{
    if (node && node->GetName().IsValid())
        _markers.emplace(int(node->GetName()), node);
}
