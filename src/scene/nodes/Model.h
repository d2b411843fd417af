#pragma once

#include "scene/nodes/Group.h"

#include <map>

class Emitter;
class LensFlare;
class Omni;
class ParticleSet;
class RenderMesh;

// A group read from a model file, with its named nodes (markers) for lookups: the first node
// of a name in depth-first order wins. A model tells its scene when it is deleted, however
// that happens, so the scene never keeps a freed model.
class Model : public Group
{
public:
    Model(Group* root, RenderScene* scene);
    ~Model() override;

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_MODEL; }

    // A bone or group of that name; null when the name belongs to no node or another kind.
    Bone* FindBone(Name name) const;
    RenderMesh* FindMesh(Name name) const;
    ParticleSet* FindParticleSet(Name name) const;
    Emitter* FindEmitter(Name name) const;
    Omni* FindOmni(Name name) const;
    LensFlare* FindLensFlare(Name name) const;

    void RebuildIdMarkers();
    unsigned GetNodesCount() const { return static_cast<unsigned>(_markers.size()); }
    // The node of the i-th marker in the order of the names' indices; null past the count.
    Node* GetNodeById(int index) const;

private:
    friend class ModelIdMarkersBuilder;

    void AddMarker(Node* node);
    Node* FindMarker(Name name, eNodeType type, eNodeType other) const;

    std::map<int, Node*> _markers;
};
