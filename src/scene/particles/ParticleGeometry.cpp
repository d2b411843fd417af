// The geometry of a particle set: one generator per shape, written straight into the room the
// render queue's builder locked.
#include "scene/particles/ParticleSet.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr float DegreesToRadians = 0.017453f;

// The unit vector along v; zero for a zero vector (where Normalize would give NaN).
Vec3 Unit(const Vec3& v)
{
    const float lengthSquared = v.x * v.x + v.y * v.y + v.z * v.z;
    return lengthSquared > 0.0f ? v * (1.0f / std::sqrt(lengthSquared)) : Vec3(0.0f);
}

// v turned about the unit axis by the angle of the given cosine and sine.
Vec3 Turn(const Vec3& v, const Vec3& axis, float c, float s)
{
    const float along = (axis.x * v.x + axis.y * v.y + axis.z * v.z) * (1.0f - c);
    return v * c + (axis ^ v) * s + axis * along;
}

void Quad(uint16_t* index, unsigned q)
{
    index[0] = static_cast<uint16_t>(q);
    index[1] = static_cast<uint16_t>(q + 1);
    index[2] = static_cast<uint16_t>(q + 2);
    index[3] = static_cast<uint16_t>(q + 2);
    index[4] = static_cast<uint16_t>(q + 1);
    index[5] = static_cast<uint16_t>(q + 3);
}

// The particles drawn at a level of detail: every (lod + 1)-th of the live list, the first
// `count` of them.
template <typename Visit>
void ForEachDrawn(const std::list<Particle*>& live, unsigned lod, unsigned count, Visit visit)
{
    unsigned skip = 0, drawn = 0;
    for (const Particle* p : live)
    {
        if (drawn == count)
            return;
        if (skip-- == 0)
        {
            visit(*p, drawn++);
            skip = lod;
        }
    }
}

} // namespace

void ParticleSet::AtlasCell(Vec2& size, Vec2& step) const
{
    size = _hasAtlas ? _atlasStep : Vec2(1.0f, 1.0f);
    step = _hasAtlas ? _atlasStep : Vec2(0.0f, 0.0f);
}

unsigned ParticleSet::WriteGeometry(ParticleVertex* vertices, unsigned vertexRoom, uint16_t* indices,
                                    unsigned indexRoom, uint16_t baseIndex) const
{
    unsigned perVertex, perIndex;
    ShapeCounts(perVertex, perIndex);
    unsigned count = 0, vertexCount = 0, indexCount = 0;
    // 16-bit indices reach the vertices below 65536 only.
    const unsigned addressable = 65536u - baseIndex;
    if (_particleShape == PS_RIBBON_TRAIL)
    {
        count = std::min({GetTotalParticles(), vertexRoom / 2, indexRoom / 6 + 1, addressable / 2});
        if (count >= 2)
        {
            GenRibbonTrail(vertices, indices, baseIndex, count);
            vertexCount = 2 * count;
            indexCount = 6 * (count - 1);
        }
        else
        {
            count = 0;
        }
    }
    else if (perVertex > 0)
    {
        count = std::min({_visibleCount, vertexRoom / perVertex, indexRoom / perIndex, addressable / perVertex});
        switch (_particleShape)
        {
        case PS_BILLBOARD: GenBillboards(vertices, indices, baseIndex, count); break;
        case PS_AXIS_BILLBOARD: GenAxisBillboards(vertices, indices, baseIndex, count); break;
        case PS_CROSS_BILLBOARD: GenCrossBillboards(vertices, indices, baseIndex, count); break;
        case PS_LINE: GenLines(vertices, indices, baseIndex, count); break;
        default: GenPoints(vertices, indices, baseIndex, count); break;
        }
        vertexCount = count * perVertex;
        indexCount = count * perIndex;
    }
    // Room the description counted but no particle filled is drawn as nothing: transparent
    // black vertices, and indices that all name one vertex.
    if (vertexRoom > vertexCount)
        std::memset(vertices + vertexCount, 0, sizeof(ParticleVertex) * (vertexRoom - vertexCount));
    std::fill(indices + indexCount, indices + std::max(indexRoom, indexCount), baseIndex);
    return count;
}

void ParticleSet::GenPoints(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const
{
    ForEachDrawn(_live, _currentLod, count, [&](const Particle& p, unsigned j) {
        v[j] = {p.position, VertexColor(p), Vec2(0.5f, 0.5f)};
        index[j] = static_cast<uint16_t>(base + j);
    });
}

void ParticleSet::GenLines(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const
{
    ForEachDrawn(_live, _currentLod, count, [&](const Particle& p, unsigned j) {
        const uint32_t color = VertexColor(p);
        v[2 * j] = {p.position, color, Vec2(0.0f, 0.0f)};
        v[2 * j + 1] = {p.position + p.direction * (p.velocity * p.lengthAdjust), color, Vec2(1.0f, 0.0f)};
        index[2 * j] = static_cast<uint16_t>(base + 2 * j);
        index[2 * j + 1] = static_cast<uint16_t>(base + 2 * j + 1);
    });
}

void ParticleSet::GenBillboards(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const
{
    const Vec3& right = _cameraWorld.GetRow3(0);
    const Vec3& up = _cameraWorld.GetRow3(1);
    const Vec3& forward = _cameraWorld.GetRow3(2);
    Vec2 cell, step;
    AtlasCell(cell, step);
    ForEachDrawn(_live, _currentLod, count, [&](const Particle& p, unsigned j) {
        Vec3 h = right * (p.size * 0.5f);
        Vec3 w = up * (p.size * 0.5f);
        if (p.angle != 0.0f)
        {
            const float radians = p.angle * DegreesToRadians;
            const float c = std::cos(radians), s = std::sin(radians);
            h = Turn(h, forward, c, s);
            w = Turn(w, forward, c, s);
        }
        const float u0 = (float(p.texU) + p.atlasColumn) * step.x;
        const float v0 = (float(p.texV) + p.atlasRow) * step.y;
        const uint32_t color = VertexColor(p);
        ParticleVertex* q = v + 4 * j;
        q[0] = {p.position - h - w, color, Vec2(u0, v0 + cell.y)};
        q[1] = {p.position - h + w, color, Vec2(u0, v0)};
        q[2] = {p.position + h - w, color, Vec2(u0 + cell.x, v0 + cell.y)};
        q[3] = {p.position + h + w, color, Vec2(u0 + cell.x, v0)};
        Quad(index + 6 * j, base + 4 * j);
    });
}

void ParticleSet::GenAxisBillboards(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const
{
    const Vec3& eye = _cameraWorld.GetRow3(3);
    Vec2 cell, step;
    AtlasCell(cell, step);
    ForEachDrawn(_live, _currentLod, count, [&](const Particle& p, unsigned j) {
        const Vec3 end = p.position + p.direction * (p.velocity * p.lengthAdjust);
        const Vec3 side = Unit((p.position - end) ^ (p.position - eye)) * (p.size * 0.5f);
        const float u0 = float(p.texU) * step.x;
        const float v0 = float(p.texV) * step.y;
        const uint32_t color = VertexColor(p);
        ParticleVertex* q = v + 4 * j;
        q[0] = {p.position - side, color, Vec2(u0, v0 + cell.y)};
        q[1] = {end - side, color, Vec2(u0, v0)};
        q[2] = {p.position + side, color, Vec2(u0 + cell.x, v0 + cell.y)};
        q[3] = {end + side, color, Vec2(u0 + cell.x, v0)};
        Quad(index + 6 * j, base + 4 * j);
    });
}

void ParticleSet::GenCrossBillboards(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const
{
    Vec2 cell, step;
    AtlasCell(cell, step);
    // Each particle's first plane is taken square to the previous one's second.
    Vec3 reference(0.0f, 1.0f, 0.0f);
    ForEachDrawn(_live, _currentLod, count, [&](const Particle& p, unsigned j) {
        const float half = p.size * 0.5f;
        Vec3 axis = Unit(reference ^ p.direction);
        if (axis.x == 0.0f && axis.y == 0.0f && axis.z == 0.0f)
            axis = Unit(Vec3::UnitX() ^ p.direction); // the direction lies along the reference
        const Vec3 s1 = axis * half;
        const Vec3 s2 = Unit(s1 ^ p.direction) * half;
        reference = s2;
        const Vec3 end = p.position + p.direction * (p.velocity * p.lengthAdjust);
        const float u0 = float(p.texU) * step.x;
        const float v0 = float(p.texV) * step.y;
        const uint32_t color = VertexColor(p);
        ParticleVertex* q = v + 8 * j;
        for (const Vec3& side : {s1, s2})
        {
            q[0] = {p.position - side, color, Vec2(u0, v0 + cell.y)};
            q[1] = {end - side, color, Vec2(u0, v0)};
            q[2] = {p.position + side, color, Vec2(u0 + cell.x, v0 + cell.y)};
            q[3] = {end + side, color, Vec2(u0 + cell.x, v0)};
            q += 4;
        }
        Quad(index + 12 * j, base + 8 * j);
        Quad(index + 12 * j + 6, base + 8 * j + 4);
    });
}

void ParticleSet::GenRibbonTrail(ParticleVertex* v, uint16_t* index, uint16_t base, unsigned count) const
{
    const Vec3& eye = _cameraWorld.GetRow3(3);
    Vec3 tangent(0.0f);
    auto it = _live.begin();
    const Particle* previous = nullptr;
    for (unsigned i = 0; i < count; ++i, ++it)
    {
        const Particle& p = **it;
        const bool last = i + 1 == count;
        const Vec3& other = last ? previous->position : (*std::next(it))->position;
        if (other != p.position)
            tangent = p.position - other;
        const float sign = last ? -1.0f : 1.0f;
        const Vec3 side = Unit(Unit(tangent) ^ Unit(p.position - eye)) * (p.size * sign);
        const float u = float(i + 1) / float(count);
        const uint32_t color = VertexColor(p);
        v[2 * i] = {p.position - side, color, Vec2(u, 1.0f)};
        v[2 * i + 1] = {p.position + side, color, Vec2(u, 0.0f)};
        if (!last)
            Quad(index + 6 * i, base + 2 * i);
        previous = &p;
    }
}
