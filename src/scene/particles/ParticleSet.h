#pragma once

#include "MaterialSystem/Renderable.h"
#include "foundation/math/Matrix.h"
#include "foundation/math/Vec2.h"
#include "scene/nodes/Renode.h"
#include "scene/particles/Particle.h"

#include <cstdint>
#include <list>
#include <vector>

class Material;

// The shapes a particle set's geometry takes; other values draw nothing.
enum eParticleShape : unsigned
{
    PS_BILLBOARD = 0,
    PS_AXIS_BILLBOARD = 1, // stretched along the direction of motion
    PS_CROSS_BILLBOARD = 2,
    PS_LINE = 3,
    PS_POINT = 4,
    PS_RIBBON_TRAIL = 6, // one strip through every particle, oldest first
};

// Walks a set's live particles in creation order; made by the set.
class ParticleIterator
{
public:
    bool operator==(const ParticleIterator& other) const { return _it == other._it; }
    bool operator!=(const ParticleIterator& other) const { return _it != other._it; }
    Particle* Current() const { return *_it; }
    void Next() { ++_it; }

private:
    friend class ParticleSet;
    explicit ParticleIterator(std::list<Particle*>::iterator it) : _it(it) {}

    std::list<Particle*>::iterator _it;
};

// A drawable pool of particles in the tree. The set owns its particles and turns the live ones
// into vertex and index data each frame in one of six shapes; it does not move them: the game
// world, the emitters and the lens flares do. Particles come from a pool recycled through a
// free stack, so creating and removing them allocates nothing once the pool is large enough.
class ParticleSet : public Renode, public IRenderable
{
public:
    // The vertex of every shape (format word VertexFormat).
    struct ParticleVertex
    {
        Vec3 position;
        uint32_t color; // ARGB
        Vec2 uv;
    };
    static constexpr uint32_t VertexFormat = 0x1003;
    // The most particles a set holds: the billboards of a full set still fit 16-bit indices.
    static constexpr unsigned MaxPoolSize = 16384;

    ParticleSet(Group* root, RenderScene* scene);
    ~ParticleSet() override;

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_PARTICLESET; }
    // Picks the level of detail, remembers the camera that orients the geometry and counts
    // the geometry of the particles drawn at that level.
    void UpdateCameraBasedParams(Camera* camera, unsigned lodCount) override;
    // The live positions widened by the largest size; transformed unless in world space.
    void UpdateBounds(const Matrix& parentWorld) override;
    void BatchBuild(VertexIndexBuilder& builder) override;
    bool IsDynamic() override { return true; }

    // Writes the counted geometry into the given room, indices offset by `baseIndex`, and
    // fills what it leaves of the room with invisible vertices and degenerate indices.
    // Returns the number of particles written.
    unsigned WriteGeometry(ParticleVertex* vertices, unsigned vertexRoom, uint16_t* indices, unsigned indexRoom,
                           uint16_t baseIndex) const;

    void SetMaterial(Material* material) { _material = material; }
    Material* GetMaterial() const { return _material; }
    void SetDefaultSize(float size) { _defaultSize = size; }
    float GetDefaultSize() const { return _defaultSize; }
    void SetDefaultLengthAdjust(float adjust) { _defaultLengthAdjust = adjust; }
    float GetDefaultLengthAdjust() const { return _defaultLengthAdjust; }
    // The atlas cell new particles get.
    void SetDefaultTexIndex(unsigned u, unsigned v)
    {
        _texIndexU = u;
        _texIndexV = v;
    }
    unsigned GetTexIndexU() const { return _texIndexU; }
    unsigned GetTexIndexV() const { return _texIndexV; }
    // World space (the default) holds world positions, drawn with an identity transform;
    // parent or local space holds positions in the node's space, drawn with the parent's.
    void SetCoordSpace(eCoordSpace space) { _coordSpace = space; }
    eCoordSpace GetCoordSpace() const { return _coordSpace; }
    void SetParticleShape(eParticleShape shape) { _particleShape = shape; }
    eParticleShape GetParticleShape() const { return _particleShape; }
    void SetTintStrength(float strength) { _tintStrength = strength; }
    float GetTintStrength() const { return _tintStrength; }
    void SetLodLevels(unsigned levels) { _lodLevels = levels; }
    unsigned GetLodLevels() const { return _lodLevels; }
    // Columns and rows of the texture atlas; (0, 0) and (1, 1) mean no atlas.
    void SetAtlasParams(unsigned divU, unsigned divV);
    unsigned GetAtlasDivU() const { return _atlasDivU; }
    unsigned GetAtlasDivV() const { return _atlasDivV; }
    const Vec2& GetAtalsStep() const { return _atlasStep; }
    bool HasAtlas() const { return _hasAtlas; }

    // Grows the pool to n particles (at most MaxPoolSize); it never shrinks.
    void SetMaxParticles(unsigned n);
    unsigned GetMaxParticles() const { return static_cast<unsigned>(_pool.size()); }
    unsigned GetTotalParticles() const { return static_cast<unsigned>(_live.size()); }
    // The particles drawn at the current level of detail.
    unsigned GetNumParticles() const { return _visibleCount; }

    // A particle at the end of the live list with the set's default size, length adjustment
    // and atlas cell; its other fields are whatever its record last held. A full pool doubles;
    // at MaxPoolSize the oldest particle is taken over instead.
    Particle* CreateParticle();
    // Returns the iterator of the particle that followed.
    ParticleIterator RemoveParticle(ParticleIterator it);
    // The particle at that place of the live list; an index past the end is ignored.
    void RemoveParticle(unsigned index);
    // A particle that is not live is ignored.
    void RemoveParticle(Particle* particle);
    // Frees the pool too: the maximum becomes 0.
    void RemoveAllParticles();
    ParticleIterator Begin() { return ParticleIterator(_live.begin()); }
    ParticleIterator End() { return ParticleIterator(_live.end()); }

protected:
    void AllocContainers(unsigned n);
    void ReallocContainers(unsigned n);
    void GenDescription();
    // Each writes `count` particles of the stride of the current level of detail; the ribbon
    // takes the first `count` particles.
    void GenPoints(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const;
    void GenLines(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const;
    void GenBillboards(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const;
    void GenAxisBillboards(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const;
    void GenCrossBillboards(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const;
    void GenRibbonTrail(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const;

    // The live list, oldest first.
    const std::list<Particle*>& LiveParticles() const { return _live; }
    void UpdateVisibleCount() { _visibleCount = GetTotalParticles() / (_currentLod + 1); }

private:
    // Vertices and indices one particle of the shape takes; 0 for a shape without geometry.
    void ShapeCounts(unsigned& vertices, unsigned& indices) const;
    uint32_t VertexColor(const Particle& p) const { return (p.color * (_tintStrength * p.intensity)).ARGB(); }
    // The cell size and step of atlas texture coordinates.
    void AtlasCell(Vec2& size, Vec2& step) const;

    Material* _material = nullptr;
    unsigned _atlasDivU = 0;
    unsigned _atlasDivV = 0;
    bool _hasAtlas = false;
    Vec2 _atlasStep{1.0f, 1.0f};
    unsigned _visibleCount = 0;
    unsigned _lodLevels = 0;
    unsigned _texIndexU = 0;
    unsigned _texIndexV = 0;
    float _defaultSize = 10.0f;
    float _defaultLengthAdjust = 1.0f;
    eCoordSpace _coordSpace = CS_WORLD;
    eParticleShape _particleShape = PS_BILLBOARD;
    float _tintStrength = 1.0f;
    std::vector<Particle> _pool;
    std::list<Particle*> _live;
    std::vector<Particle*> _free;
    // The world matrix of the camera of the last level-of-detail update: its rows give the
    // view's right, up and forward and the eye position.
    Matrix _cameraWorld = Matrix::Ident();
};
