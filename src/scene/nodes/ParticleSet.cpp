#include "scene/nodes/ParticleSet.h"

#include "MaterialSystem/VertexIndexBuilder.h"
#include "scene/nodes/Camera.h"
#include "scene/visitors/NodeVisitor.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned kMinimumPool = 4;
constexpr float kDegreesToRadians = 0.017453f;

} // namespace

ParticleSet::ParticleSet(Group* root, RenderScene* scene) : Renode(root, scene)
{
    _description.format = VertexFormat;
    _description.primType = gfx::PrimitiveType::TriangleList;
}

bool ParticleSet::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool ParticleSet::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

void ParticleSet::SetAtlasParams(unsigned divU, unsigned divV)
{
    _atlasDivU = divU;
    _atlasDivV = divV;
    _hasAtlas = !((divU == 0 && divV == 0) || (divU == 1 && divV == 1)) && divU > 0 && divV > 0;
    _atlasStep = _hasAtlas ? Vec2(1.0f / float(divU), 1.0f / float(divV)) : Vec2(1.0f, 1.0f);
}

// Growth keeps each particle where it is by its pool index: live and free entries are pointed
// at their place in the new pool.
void ParticleSet::SetMaxParticles(unsigned count)
{
    const unsigned old = GetMaxParticles();
    if (old >= count)
        return;
    std::vector<uint32_t> live, free;
    for (const Particle* p : _live)
        live.push_back(p->poolIndex);
    for (const Particle* p : _free)
        free.push_back(p->poolIndex);
    _pool.resize(count);
    _free.clear();
    _free.reserve(count);
    auto it = _live.begin();
    for (uint32_t index : live)
        *it++ = &_pool[index];
    for (uint32_t index : free)
        _free.push_back(&_pool[index]);
    for (unsigned i = old; i < count; ++i)
    {
        _pool[i].poolIndex = i;
        _free.push_back(&_pool[i]);
    }
}

Particle* ParticleSet::CreateParticle()
{
    if (_free.empty())
        SetMaxParticles(std::max(kMinimumPool, GetMaxParticles() * 2));
    Particle* particle = _free.back();
    _free.pop_back();
    _live.push_back(particle);
    particle->size = _defaultSize;
    particle->lengthAdjust = _defaultLengthAdjust;
    particle->texU = static_cast<uint16_t>(_texIndexU);
    particle->texV = static_cast<uint16_t>(_texIndexV);
    UpdateVisibleCount();
    return particle;
}

void ParticleSet::RemoveParticle(Particle* particle)
{
    const auto it = std::find(_live.begin(), _live.end(), particle);
    if (it == _live.end())
        return;
    _live.erase(it);
    _free.push_back(particle);
    UpdateVisibleCount();
}

void ParticleSet::RemoveAllParticles()
{
    _live.clear();
    _free.clear();
    _pool.clear();
    _visibleCount = 0;
}

void ParticleSet::UpdateVisibleCount() { _visibleCount = GetTotalParticles() / (_currentLod + 1); }

void ParticleSet::UpdateCameraBasedParams(Camera* camera, unsigned maxLod)
{
    GenDescription();
    const unsigned lod = _currentLod;
    Renode::UpdateCameraBasedParams(camera, maxLod);
    if (_currentLod != lod)
    {
        UpdateVisibleCount();
        GenDescription();
    }
    _camera = camera;
}

void ParticleSet::GenDescription()
{
    if (_particleShape == PS_BILLBOARD)
    {
        _description.primType = gfx::PrimitiveType::TriangleList;
        _description.primCount = 2 * _visibleCount;
        _description.vertexCount = 4 * _visibleCount;
    }
}

void ParticleSet::UpdateBounds(const Matrix& parentWorld)
{
    if (_live.empty())
        return;
    Bounds box;
    box.SetUndefined();
    float largest = 0.0f;
    for (const Particle* p : _live)
    {
        box.AddPoint(p->position);
        largest = std::max(largest, p->size);
    }
    box.Expand(largest);
    if (_coordSpace == CS_PARENT || _coordSpace == CS_LOCAL)
        box.Transform(parentWorld);
    _worldBounds = box;
}

void ParticleSet::BatchBuild(VertexIndexBuilder& builder)
{
    if (_particleShape != PS_BILLBOARD || !_camera)
        return;
    const unsigned count = _visibleCount;
    _vertices.resize(size_t(count) * 4);
    _indices.resize(size_t(count) * 6);
    GenBillboards(_vertices.data(), _indices.data(), count);
    unsigned short base = 0;
    builder.StartBuild(count * 4, count * 6, base);
    builder.ProcessVertices(_vertices.data(), count * 4, nullptr);
    builder.ProcessIndices(_indices.data(), count * 6, base);
    builder.StopBuild();
}

// Every (lod + 1)-th particle of the live list, at most `count` of them: the description
// reserved that many.
void ParticleSet::GenBillboards(ParticleVertex* vertices, uint16_t* indices, unsigned count) const
{
    const Matrix& view = _camera->GetWorldMatrix();
    const Vec3 right = view.GetRow3(0), up = view.GetRow3(1), forward = view.GetRow3(2);
    const Vec2 cell = _hasAtlas ? _atlasStep : Vec2(1.0f, 1.0f);
    const Vec2 step = _hasAtlas ? _atlasStep : Vec2(0.0f, 0.0f);
    const unsigned stride = _currentLod + 1;
    unsigned k = 0, written = 0;
    for (auto it = _live.begin(); it != _live.end() && written < count; ++it, ++k)
    {
        if (k % stride != 0)
            continue;
        const Particle& p = **it;
        Color color = p.color * (_tintStrength * p.intensity);
        const uint32_t argb = color.ARGB();
        Vec3 h = right * (p.size * 0.5f), w = up * (p.size * 0.5f);
        if (p.angle != 0.0f)
        {
            h.Rotate(forward, p.angle * kDegreesToRadians);
            w.Rotate(forward, p.angle * kDegreesToRadians);
        }
        const float u = (float(p.texU) + p.atlasColumn) * step.x, v = (float(p.texV) + p.atlasRow) * step.y;
        ParticleVertex* q = vertices + written * 4;
        q[0] = {p.position - h - w, argb, Vec2(u, v + cell.y)};
        q[1] = {p.position - h + w, argb, Vec2(u, v)};
        q[2] = {p.position + h - w, argb, Vec2(u + cell.x, v + cell.y)};
        q[3] = {p.position + h + w, argb, Vec2(u + cell.x, v)};
        const uint16_t first = static_cast<uint16_t>(written * 4);
        const uint16_t quad[6] = {first,
                                  uint16_t(first + 1),
                                  uint16_t(first + 2),
                                  uint16_t(first + 2),
                                  uint16_t(first + 1),
                                  uint16_t(first + 3)};
        std::copy(quad, quad + 6, indices + written * 6);
        ++written;
    }
}
