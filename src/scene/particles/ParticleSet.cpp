#include "scene/particles/ParticleSet.h"

#include "MaterialSystem/VertexIndexBuilder.h"
#include "foundation/base/Dumper.h"
#include "scene/nodes/Camera.h"
#include "scene/visitors/NodeVisitor.h"

#include <algorithm>
#include <cmath>

namespace {
// The pool a first CreateParticle makes when none was set.
constexpr unsigned MinPoolSize = 16;
} // namespace

ParticleSet::ParticleSet(Group* root, RenderScene* scene) : Renode(root, scene) { GenDescription(); }

ParticleSet::~ParticleSet() { RemoveAllParticles(); }

bool ParticleSet::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool ParticleSet::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

void ParticleSet::SetAtlasParams(unsigned divU, unsigned divV)
{
    _atlasDivU = divU;
    _atlasDivV = divV;
    _hasAtlas = !((divU == 0 && divV == 0) || (divU == 1 && divV == 1));
    // A zero count on one side only is taken as one cell there.
    _atlasStep =
        _hasAtlas ? Vec2(1.0f / float(std::max(divU, 1u)), 1.0f / float(std::max(divV, 1u))) : Vec2(1.0f, 1.0f);
}

void ParticleSet::SetMaxParticles(unsigned n)
{
    if (n > MaxPoolSize)
    {
        Dumper::Instance().Print(DUMP_WARNING, "ParticleSet: %u particles asked for, %u kept at most\n", n,
                                 MaxPoolSize);
        n = MaxPoolSize;
    }
    const unsigned m = GetMaxParticles();
    if (m >= n)
        return;
    if (!_live.empty() || !_free.empty())
        ReallocContainers(n);
    else
        AllocContainers(n);
    for (unsigned i = m; i < n; ++i)
    {
        _pool[i].poolIndex = i;
        _free.push_back(&_pool[i]);
    }
}

void ParticleSet::AllocContainers(unsigned n)
{
    _pool.reserve(n);
    _free.reserve(n);
    _pool.resize(n);
}

// The pool's records move when it grows: every pointer is turned into its index and back.
void ParticleSet::ReallocContainers(unsigned n)
{
    std::vector<uint32_t> live, free;
    live.reserve(_live.size());
    free.reserve(_free.size());
    for (const Particle* p : _live)
        live.push_back(p->poolIndex);
    for (const Particle* p : _free)
        free.push_back(p->poolIndex);
    _pool.resize(n);
    _free.reserve(n);
    auto it = _live.begin();
    for (uint32_t index : live)
        *it++ = &_pool[index];
    for (size_t i = 0; i < free.size(); ++i)
        _free[i] = &_pool[free[i]];
}

Particle* ParticleSet::CreateParticle()
{
    if (GetMaxParticles() == 0)
        SetMaxParticles(MinPoolSize);
    else if (GetTotalParticles() >= GetMaxParticles() && GetMaxParticles() < MaxPoolSize)
        SetMaxParticles(std::min(2 * GetMaxParticles(), MaxPoolSize));
    Particle* p;
    if (_free.empty())
    {
        // The pool is at its limit: the oldest particle makes room.
        p = _live.front();
        _live.pop_front();
    }
    else
    {
        p = _free.back();
        _free.pop_back();
    }
    _live.push_back(p);
    p->size = _defaultSize;
    p->lengthAdjust = _defaultLengthAdjust;
    p->texU = static_cast<uint16_t>(_texIndexU);
    p->texV = static_cast<uint16_t>(_texIndexV);
    UpdateVisibleCount();
    return p;
}

ParticleIterator ParticleSet::RemoveParticle(ParticleIterator it)
{
    _free.push_back(*it._it);
    ParticleIterator next(_live.erase(it._it));
    UpdateVisibleCount();
    return next;
}

void ParticleSet::RemoveParticle(unsigned index)
{
    const unsigned total = GetTotalParticles();
    if (index >= total)
        return;
    std::list<Particle*>::iterator it;
    if (index < total / 2)
        it = std::next(_live.begin(), index);
    else
        it = std::prev(_live.end(), total - index);
    RemoveParticle(ParticleIterator(it));
}

void ParticleSet::RemoveParticle(Particle* particle)
{
    auto it = std::find(_live.begin(), _live.end(), particle);
    if (it != _live.end())
        RemoveParticle(ParticleIterator(it));
}

void ParticleSet::RemoveAllParticles()
{
    _live.clear();
    _free.clear();
    _pool.clear();
    _visibleCount = 0;
}

void ParticleSet::UpdateCameraBasedParams(Camera* camera, unsigned lodCount)
{
    Renode::UpdateCameraBasedParams(camera, lodCount);
    UpdateVisibleCount();
    if (camera)
        _cameraWorld = camera->GetWorldMatrix();
    GenDescription();
}

void ParticleSet::UpdateBounds(const Matrix& parentWorld)
{
    Bounds bounds;
    bounds.SetUndefined();
    float largest = 0.0f;
    for (const Particle* p : _live)
    {
        bounds.AddPoint(p->position);
        largest = std::max(largest, std::fabs(p->size));
    }
    if (_live.empty())
        bounds.SetNull();
    bounds.min -= Vec3(largest);
    bounds.max += Vec3(largest);
    if (_coordSpace != CS_WORLD)
        bounds.Transform(parentWorld);
    _worldBounds = bounds;
}

void ParticleSet::ShapeCounts(unsigned& vertices, unsigned& indices) const
{
    switch (_particleShape)
    {
    case PS_BILLBOARD:
    case PS_AXIS_BILLBOARD: vertices = 4, indices = 6; break;
    case PS_CROSS_BILLBOARD: vertices = 8, indices = 12; break;
    case PS_LINE: vertices = 2, indices = 2; break;
    case PS_POINT: vertices = 1, indices = 1; break;
    case PS_RIBBON_TRAIL: vertices = 2, indices = 6; break;
    default: vertices = indices = 0; break;
    }
}

void ParticleSet::GenDescription()
{
    _description.format = VertexFormat;
    _description.instances = 1;
    unsigned vertices, indices;
    ShapeCounts(vertices, indices);
    const unsigned v = _visibleCount;
    switch (_particleShape)
    {
    case PS_BILLBOARD:
    case PS_AXIS_BILLBOARD:
    case PS_CROSS_BILLBOARD: _description.primType = gfx::PrimitiveType::TriangleList; break;
    case PS_LINE: _description.primType = gfx::PrimitiveType::LineList; break;
    case PS_POINT: _description.primType = gfx::PrimitiveType::PointList; break;
    case PS_RIBBON_TRAIL:
    {
        // Every particle, whatever the level: two triangles between each pair.
        const unsigned t = GetTotalParticles();
        _description.primType = gfx::PrimitiveType::TriangleList;
        _description.vertexCount = 2 * t;
        _description.primCount = t >= 2 ? 2 * t - 2 : 0;
        return;
    }
    default: break;
    }
    _description.vertexCount = vertices * v;
    _description.primCount = v * (_particleShape == PS_LINE || _particleShape == PS_POINT ? 1 : indices / 3);
}

void ParticleSet::BatchBuild(VertexIndexBuilder& builder)
{
    uint16_t base = 0;
    builder.StartBuild(_description.vertexCount, _description.GetIndexCount(), base);
    auto* vertices = reinterpret_cast<ParticleVertex*>(builder.GetBaseVertex());
    uint16_t* indices = builder.GetBaseIndex();
    if (vertices && indices)
        WriteGeometry(vertices, builder.GetVerticesReserved(), indices, builder.GetIndicesReserved(), base);
    builder.StopBuild();
}
