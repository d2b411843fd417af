#pragma once

#include "MaterialSystem/Renderable.h"
#include "scene/nodes/Renode.h"

class Material;

// The shapes a particle set's geometry takes.
enum eParticleShape : unsigned
{
    PS_BILLBOARD = 0,
    PS_AXIS_BILLBOARD = 1,
    PS_CROSS_BILLBOARD = 2,
    PS_LINE = 3,
    PS_POINT = 4,
    PS_RIBBON_TRAIL = 6,
};

// A drawable pool of particles in the tree: what the scene's passes read of it (its material,
// shape, coordinate space, level count and live particles).
class ParticleSet : public Renode, public IRenderable
{
public:
    ParticleSet(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_PARTICLESET; }
    void UpdateBounds(const Matrix&) override {}
    void BatchBuild(VertexIndexBuilder&) override {}
    bool IsDynamic() override { return true; }

    void SetMaterial(Material* material) { _material = material; }
    Material* GetMaterial() const { return _material; }
    void SetParticleShape(eParticleShape shape) { _particleShape = shape; }
    eParticleShape GetParticleShape() const { return _particleShape; }
    // World space (the default) draws with an identity transform, parent or local space with
    // the parent bone's.
    void SetCoordSpace(eCoordSpace space) { _coordSpace = space; }
    eCoordSpace GetCoordSpace() const { return _coordSpace; }
    void SetLodLevels(unsigned levels) { _lodLevels = levels; }
    unsigned GetLodLevels() const { return _lodLevels; }
    unsigned GetTotalParticles() const { return 0; }

private:
    Material* _material = nullptr;
    unsigned _lodLevels = 0;
    eCoordSpace _coordSpace = CS_WORLD;
    eParticleShape _particleShape = PS_BILLBOARD;
};
