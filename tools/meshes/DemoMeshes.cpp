#include "DemoMeshes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace DemoMeshes {

namespace {

// Materials of the demo data, under materials/.
const char* const BoxMaterial = "checker.mat";
const char* const SphereMaterial = "noise.mat";
const char* const AsteroidMaterial = "noise.mat";
const char* const HullMaterial = "hull.mat";
const char* const ExhaustMaterial = "glow.mat";

Vec3 Normalized(Vec3 v)
{
    v.Normalize();
    return v;
}

} // namespace

void AddFace(SmsLod& lod, Vec3 a, Vec3 b, Vec3 c, const Vec3& outward)
{
    Vec3 n = (c - a) ^ (b - a);
    if (n.Dot(outward) < 0)
    {
        std::swap(b, c);
        n = -n;
    }
    n.Normalize();
    const float uvs[3][2] = {{0, 0}, {1, 0}, {0, 1}};
    const Vec3* corners[3] = {&a, &b, &c};
    for (unsigned i = 0; i < 3; ++i)
    {
        lod.indices.push_back(static_cast<uint16_t>(lod.vertices.size()));
        const Vec3& p = *corners[i];
        lod.vertices.push_back({{p.x, p.y, p.z}, {n.x, n.y, n.z}, {uvs[i][0], uvs[i][1]}});
    }
}

namespace {

SmsLod FromGeometry(const MeshGeometry& geometry) { return SmsLod{geometry.vertices, geometry.indices}; }

Bounds BoundsOf(const std::vector<SmsLod>& lods)
{
    Bounds bounds(Vec3(1e30f, 1e30f, 1e30f), Vec3(-1e30f, -1e30f, -1e30f));
    for (const SmsLod& lod : lods)
    {
        for (const MeshVertex& v : lod.vertices)
        {
            bounds.min.Set(std::min(bounds.min.x, v.position[0]), std::min(bounds.min.y, v.position[1]),
                           std::min(bounds.min.z, v.position[2]));
            bounds.max.Set(std::max(bounds.max.x, v.position[0]), std::max(bounds.max.y, v.position[1]),
                           std::max(bounds.max.z, v.position[2]));
        }
    }
    return bounds;
}

float RadiusOf(const std::vector<SmsLod>& lods)
{
    float radius = 0;
    for (const SmsLod& lod : lods)
    {
        for (const MeshVertex& v : lod.vertices)
        {
            radius = std::max(radius, Vec3(v.position[0], v.position[1], v.position[2]).Length());
        }
    }
    return radius;
}

} // namespace

SmsMesh ListMesh(std::vector<SmsLod> lods, std::vector<const char*> materials, std::vector<std::vector<uint32_t>> prims)
{
    SmsMesh mesh;
    mesh.desc.format = MeshShapes::Format;
    mesh.desc.materialCount = static_cast<uint32_t>(materials.size());
    for (size_t i = 0; i < materials.size(); ++i)
        mesh.desc.SetMaterialName(static_cast<unsigned>(i), materials[i]);
    for (size_t l = 0; l < prims.size(); ++l)
    {
        mesh.desc.lods[l].subMeshCount = static_cast<uint32_t>(prims[l].size());
        for (size_t s = 0; s < prims[l].size(); ++s)
            mesh.desc.lods[l].primCounts[s] = prims[l][s];
    }
    mesh.desc.bounds = BoundsOf(lods);
    mesh.desc.radius = RadiusOf(lods);
    mesh.lods = std::move(lods);
    FinishSmsMesh(mesh);
    return mesh;
}

namespace {

// A fixed bumpiness per direction (and seed), so a rock is the same on every build.
float Bump(const Vec3& direction, unsigned seed = 0)
{
    const float s =
        std::sin(direction.x * 12.9898f + direction.y * 78.233f + direction.z * 37.719f + float(seed)) * 43758.5453f;
    return 0.8f + 0.35f * (s - std::floor(s));
}

struct Triangle
{
    Vec3 a, b, c;
};

std::vector<Triangle> Icosahedron()
{
    const float t = (1.0f + std::sqrt(5.0f)) / 2.0f;
    const Vec3 p[12] = {Normalized({-1, t, 0}), Normalized({1, t, 0}), Normalized({-1, -t, 0}), Normalized({1, -t, 0}),
                        Normalized({0, -1, t}), Normalized({0, 1, t}), Normalized({0, -1, -t}), Normalized({0, 1, -t}),
                        Normalized({t, 0, -1}), Normalized({t, 0, 1}), Normalized({-t, 0, -1}), Normalized({-t, 0, 1})};
    const int faces[20][3] = {{0, 11, 5},  {0, 5, 1},  {0, 1, 7},  {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
                              {11, 10, 2}, {10, 7, 6}, {7, 1, 8},  {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
                              {3, 8, 9},   {4, 9, 5},  {2, 4, 11}, {6, 2, 10}, {8, 6, 7},   {9, 8, 1}};
    std::vector<Triangle> out;
    for (const auto& f : faces)
        out.push_back({p[f[0]], p[f[1]], p[f[2]]});
    return out;
}

std::vector<Triangle> Subdivide(const std::vector<Triangle>& in)
{
    std::vector<Triangle> out;
    for (const Triangle& t : in)
    {
        const Vec3 ab = Normalized(t.a + t.b), bc = Normalized(t.b + t.c), ca = Normalized(t.c + t.a);
        out.push_back({t.a, ab, ca});
        out.push_back({ab, t.b, bc});
        out.push_back({ca, bc, t.c});
        out.push_back({ab, bc, ca});
    }
    return out;
}

SmsLod Rock(const std::vector<Triangle>& triangles, float radius, unsigned seed = 0)
{
    SmsLod lod;
    for (const Triangle& t : triangles)
    {
        const Vec3 a = t.a * (radius * Bump(t.a, seed)), b = t.b * (radius * Bump(t.b, seed)),
                   c = t.c * (radius * Bump(t.c, seed));
        AddFace(lod, a, b, c, t.a + t.b + t.c);
    }
    return lod;
}

} // namespace

SmsMesh Box()
{
    const Bounds bounds(Vec3(-1, -1, -1), Vec3(1, 1, 1));
    SmsMesh mesh;
    mesh.desc = MeshShapes::BoxDesc(bounds);
    mesh.desc.radius = std::sqrt(3.0f);
    mesh.desc.SetMaterialName(0, BoxMaterial);
    mesh.lods.push_back(FromGeometry(MeshShapes::BoxGeometry(bounds)));
    FinishSmsMesh(mesh);
    return mesh;
}

SmsMesh Sphere()
{
    const unsigned rings = 24, segments = 24, lods = 3;
    const float radius = 1.0f;
    SmsMesh mesh;
    MeshShapes::SphereDesc(rings, segments, radius, lods, mesh.desc);
    mesh.desc.SetMaterialName(0, SphereMaterial);
    for (unsigned i = 0; i < lods; ++i)
        mesh.lods.push_back(FromGeometry(MeshShapes::SphereGeometry(rings / (i + 1), segments / (i + 1), radius)));
    FinishSmsMesh(mesh);
    return mesh;
}

SmsMesh Asteroid()
{
    const std::vector<Triangle> coarse = Icosahedron();
    const std::vector<Triangle> fine = Subdivide(coarse);
    return ListMesh({Rock(fine, 10.0f), Rock(coarse, 10.0f)}, {AsteroidMaterial},
                    {{uint32_t(fine.size())}, {uint32_t(coarse.size())}});
}

SmsMesh Rock(float radius, unsigned seed, const char* material)
{
    const std::vector<Triangle> coarse = Icosahedron();
    return ListMesh({Rock(coarse, radius, seed)}, {material}, {{uint32_t(coarse.size())}});
}

SmsMesh Hull()
{
    // Nose forward (+z), a diamond section at the middle, a smaller one at the tail.
    const Vec3 nose(0, 0, 8), tail(0, 0, -5);
    const Vec3 mid[4] = {{2, 0, 0}, {0, 1, 0}, {-2, 0, 0}, {0, -1, 0}};
    const Vec3 aft[4] = {{1.5f, 0, -5}, {0, 0.7f, -5}, {-1.5f, 0, -5}, {0, -0.7f, -5}};
    SmsLod lod;
    for (unsigned i = 0; i < 4; ++i)
    {
        const unsigned j = (i + 1) % 4;
        AddFace(lod, nose, mid[i], mid[j], mid[i] + mid[j]);
        AddFace(lod, mid[i], aft[i], mid[j], mid[i] + mid[j]);
        AddFace(lod, mid[j], aft[i], aft[j], mid[i] + mid[j]);
        AddFace(lod, tail, aft[j], aft[i], Vec3(0, 0, -1));
    }
    // Wings: a thin plate on each side, top and bottom faces.
    for (float side : {1.0f, -1.0f})
    {
        const Vec3 root0(1.8f * side, 0, 0.5f), root1(1.2f * side, 0, -4), tip(6 * side, 0, -4);
        AddFace(lod, root0, root1, tip, Vec3(0, 1, 0));
        AddFace(lod, root0, root1, tip, Vec3(0, -1, 0));
    }
    const uint32_t hullFaces = static_cast<uint32_t>(lod.indices.size() / 3);
    // The exhaust: a glowing pyramid behind the tail.
    const Vec3 flame(0, 0, -7.5f);
    for (unsigned i = 0; i < 4; ++i)
    {
        const Vec3 a = aft[i] * 0.6f + Vec3(0, 0, -2.05f);
        const Vec3 b = aft[(i + 1) % 4] * 0.6f + Vec3(0, 0, -2.05f);
        AddFace(lod, flame, a, b, a + b - Vec3(0, 0, -10.0f));
    }
    const uint32_t exhaustFaces = static_cast<uint32_t>(lod.indices.size() / 3) - hullFaces;
    return ListMesh({lod}, {HullMaterial, ExhaustMaterial}, {{hullFaces, exhaustFaces}});
}

std::vector<DemoMesh> All()
{
    return {{"box.sms", Box()}, {"sphere.sms", Sphere()}, {"asteroid.sms", Asteroid()}, {"hull.sms", Hull()}};
}

} // namespace DemoMeshes
