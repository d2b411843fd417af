#pragma once

#include "MaterialSystem/Renderable.h"
#include "foundation/math/Vec2.h"
#include "scene/nodes/Particle.h"
#include "scene/nodes/Renode.h"

#include <list>
#include <vector>

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

// A drawable pool of particles in the tree: the live particles become dynamic geometry each
// frame, in the set's shape and material. Particles are recycled through a free stack, so
// creating and removing them allocates nothing once the pool is large enough.
class ParticleSet : public Renode, public IRenderable
{
public:
    // Position, ARGB colour, one texture coordinate set.
    struct ParticleVertex
    {
        Vec3 position;
        uint32_t color;
        Vec2 uv;
    };
    static constexpr uint32_t VertexFormat = 0x1003;

    ParticleSet(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_PARTICLESET; }
    // Describes the geometry, picks the level of detail and remembers the camera.
    void UpdateCameraBasedParams(Camera* camera, unsigned maxLod) override;
    // The box around the live particles widened by the largest size; in local space it is
    // then moved by the matrix.
    void UpdateBounds(const Matrix& parentWorld) override;
    void BatchBuild(VertexIndexBuilder& builder) override;
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
    void SetDefaultSize(float size) { _defaultSize = size; }
    float GetDefaultSize() const { return _defaultSize; }
    void SetDefaultLengthAdjust(float length) { _defaultLengthAdjust = length; }
    void SetDefaultTexIndex(unsigned u, unsigned v)
    {
        _texIndexU = u;
        _texIndexV = v;
    }
    void SetTintStrength(float strength) { _tintStrength = strength; }
    float GetTintStrength() const { return _tintStrength; }
    // 0 x 0 and 1 x 1 mean no atlas.
    void SetAtlasParams(unsigned divU, unsigned divV);
    unsigned GetAtlasDivU() const { return _atlasDivU; }
    unsigned GetAtlasDivV() const { return _atlasDivV; }
    bool HasAtlas() const { return _hasAtlas; }

    // The pool grows to n (it never shrinks), keeping every live and free particle.
    void SetMaxParticles(unsigned count);
    unsigned GetMaxParticles() const { return static_cast<unsigned>(_pool.size()); }
    unsigned GetTotalParticles() const { return static_cast<unsigned>(_live.size()); }
    // The live particles in creation order.
    const std::list<Particle*>& GetLiveParticles() const { return _live; }
    unsigned GetNumParticles() const { return _visibleCount; }
    // A particle from the free stack, appended to the live ones; a full pool doubles (a pool
    // of none grows to a few).
    Particle* CreateParticle();
    // Frees a live particle; anything else is left alone.
    void RemoveParticle(Particle* particle);
    void RemoveAllParticles();

protected:
    void GenDescription();
    void GenBillboards(ParticleVertex* vertices, uint16_t* indices, unsigned count) const;

private:
    void UpdateVisibleCount();

    Material* _material = nullptr;
    unsigned _atlasDivU = 0, _atlasDivV = 0;
    bool _hasAtlas = false;
    Vec2 _atlasStep{1.0f, 1.0f};
    unsigned _visibleCount = 0;
    unsigned _lodLevels = 0;
    unsigned _texIndexU = 0, _texIndexV = 0;
    float _defaultSize = 10.0f;
    float _defaultLengthAdjust = 1.0f;
    eCoordSpace _coordSpace = CS_WORLD;
    eParticleShape _particleShape = PS_BILLBOARD;
    float _tintStrength = 1.0f;
    std::vector<Particle> _pool;
    std::list<Particle*> _live;
    std::vector<Particle*> _free;
    Camera* _camera = nullptr;
    std::vector<ParticleVertex> _vertices; // scratch of BatchBuild
    std::vector<uint16_t> _indices;
};
