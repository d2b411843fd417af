#pragma once

class Bone;
class Camera;
class Emitter;
class Group;
class LensFlare;
class Model;
class Node;
class Omni;
class ParticleSet;
class RenderMesh;
class Renode;

// A pass over node trees (Node::Traverse). Each node class calls the Visit and PostVisit of its
// own class; by default each forwards to its base class's, so overriding Visit(Bone&) sees
// every bone, group, model, camera and emitter. A false Visit skips the node's children and
// its PostVisit.
class NodeVisitor
{
public:
    virtual ~NodeVisitor() = default;

    virtual bool Visit(LensFlare& node);
    virtual bool Visit(Omni& node);
    virtual bool Visit(Emitter& node);
    virtual bool Visit(ParticleSet& node); // also particle emitters
    virtual bool Visit(RenderMesh& node);
    virtual bool Visit(Model& node);
    virtual bool Visit(Camera& node);
    virtual bool Visit(Group& node);
    virtual bool Visit(Renode& node); // also landscapes
    virtual bool Visit(Bone& node);   // also sound bones
    virtual bool Visit(Node&) { return true; }

    virtual bool PostVisit(LensFlare& node);
    virtual bool PostVisit(Omni& node);
    virtual bool PostVisit(Emitter& node);
    virtual bool PostVisit(ParticleSet& node);
    virtual bool PostVisit(RenderMesh& node);
    virtual bool PostVisit(Model& node);
    virtual bool PostVisit(Camera& node);
    virtual bool PostVisit(Group& node);
    virtual bool PostVisit(Renode& node);
    virtual bool PostVisit(Bone& node);
    virtual bool PostVisit(Node&) { return true; }
};
