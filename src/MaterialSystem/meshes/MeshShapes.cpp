#include "MaterialSystem/meshes/MeshShapes.h"

#include <cmath>

namespace MeshShapes {

namespace {

constexpr float Pi = 3.141592f;
constexpr float TwoPi = 6.283184f;

uint64_t SphereLodVertices(unsigned rings, unsigned segments) { return uint64_t(rings) * (segments + 1) * 2; }

} // namespace

MeshDesc BoxDesc(const Bounds& bounds)
{
    MeshDesc desc;
    desc.format = Format;
    desc.bounds = bounds;
    desc.radius = 0.0f;
    desc.materialCount = 1;
    desc.SetMaterialName(0, "$proxy");
    desc.lodCount = 1;
    desc.totalVertices = 24;
    desc.totalIndices = 36;
    desc.lods[0].vertexCount = 24;
    desc.lods[0].subMeshCount = 1;
    desc.lods[0].primCounts[0] = 12;
    return desc;
}

MeshGeometry BoxGeometry(const Bounds& bounds)
{
    const Vec3& mn = bounds.min;
    const Vec3& mx = bounds.max;
    struct Face
    {
        float normal[3];
        float corners[4][3];
    };
    const Face faces[6] = {
        {{0, 0, -1}, {{mn.x, mn.y, mn.z}, {mn.x, mx.y, mn.z}, {mx.x, mx.y, mn.z}, {mx.x, mn.y, mn.z}}},
        {{0, 0, 1}, {{mx.x, mn.y, mx.z}, {mx.x, mx.y, mx.z}, {mn.x, mx.y, mx.z}, {mn.x, mn.y, mx.z}}},
        {{1, 0, 0}, {{mx.x, mn.y, mn.z}, {mx.x, mx.y, mn.z}, {mx.x, mx.y, mx.z}, {mx.x, mn.y, mx.z}}},
        {{-1, 0, 0}, {{mn.x, mn.y, mx.z}, {mn.x, mx.y, mx.z}, {mn.x, mx.y, mn.z}, {mn.x, mn.y, mn.z}}},
        {{0, 1, 0}, {{mn.x, mx.y, mn.z}, {mn.x, mx.y, mx.z}, {mx.x, mx.y, mx.z}, {mx.x, mx.y, mn.z}}},
        {{0, -1, 0}, {{mx.x, mn.y, mn.z}, {mx.x, mn.y, mx.z}, {mn.x, mn.y, mx.z}, {mn.x, mn.y, mn.z}}},
    };
    const float uvs[4][2] = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};
    MeshGeometry geometry;
    for (unsigned f = 0; f < 6; ++f)
    {
        for (unsigned v = 0; v < 4; ++v)
        {
            const float* p = faces[f].corners[v];
            const float* n = faces[f].normal;
            geometry.vertices.push_back({{p[0], p[1], p[2]}, {n[0], n[1], n[2]}, {uvs[v][0], uvs[v][1]}});
        }
        const uint16_t b = static_cast<uint16_t>(4 * f);
        for (uint16_t i : {uint16_t(b + 2), uint16_t(b + 1), uint16_t(b + 3), uint16_t(b + 3), uint16_t(b + 1), b})
            geometry.indices.push_back(i);
    }
    return geometry;
}

bool SphereDesc(unsigned rings, unsigned segments, float radius, unsigned lods, MeshDesc& out)
{
    if (lods < 1 || lods > MeshDesc::MaxLods)
        return false;
    MeshDesc desc;
    desc.format = Format;
    desc.radius = radius;
    desc.bounds = Bounds(Vec3(-radius, -radius, -radius), Vec3(radius, radius, radius));
    desc.materialCount = 1;
    desc.SetMaterialName(0, "$proxy");
    desc.lodCount = lods;
    desc.strip = 1;
    for (unsigned i = 0; i < lods; ++i)
    {
        const unsigned r = rings / (i + 1);
        const unsigned s = segments / (i + 1);
        const uint64_t count = SphereLodVertices(r, s);
        if (r == 0 || s == 0 || count > 65536)
            return false;
        desc.lods[i].vertexCount = static_cast<uint32_t>(count);
        desc.lods[i].subMeshCount = 1;
        desc.lods[i].primCounts[0] = static_cast<uint32_t>(count - 2);
        desc.totalVertices += static_cast<uint32_t>(count);
        desc.totalIndices += static_cast<uint32_t>(count);
    }
    out = desc;
    return true;
}

MeshGeometry SphereGeometry(unsigned rings, unsigned segments, float radius)
{
    MeshGeometry geometry;
    auto emit = [&](float angle, float t, float u, float v) {
        const float n[3] = {std::sin(t) * std::sin(angle), std::cos(angle), std::cos(t) * std::sin(angle)};
        geometry.indices.push_back(static_cast<uint16_t>(geometry.vertices.size()));
        geometry.vertices.push_back({{radius * n[0], radius * n[1], radius * n[2]}, {n[0], n[1], n[2]}, {u, v}});
    };
    for (unsigned j = 0; j < rings; ++j)
    {
        const float a = j * Pi / rings;
        const float b = (j + 1) * Pi / rings;
        for (unsigned k = 0; k <= segments; ++k)
        {
            const float t = k * TwoPi / segments;
            const float u = float(k) / segments;
            emit(b, t, u, float(j + 1) / rings);
            emit(a, t, u, float(j) / rings);
        }
    }
    return geometry;
}

} // namespace MeshShapes
