#include "WeaponMeshes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace WeaponMeshes {

namespace {

constexpr float Pi = 3.14159265f;

// Flat-shaded triangles of one material, gathered into a one-LOD list mesh.
class Builder
{
public:
    // The corners are turned so that the triangle faces away from `inside`.
    void Triangle(Vec3 a, Vec3 b, Vec3 c, const Vec3& inside)
    {
        Vec3 normal = (c - a) ^ (b - a);
        if (normal.Dot((a + b + c) * (1.0f / 3) - inside) < 0)
        {
            std::swap(b, c);
            normal = -normal;
        }
        normal.Normalize();
        const float corners[3][2] = {{0, 0}, {1, 0}, {0, 1}};
        unsigned corner = 0;
        for (const Vec3& p : {a, b, c})
        {
            _lod.indices.push_back(static_cast<uint16_t>(_lod.vertices.size()));
            _lod.vertices.push_back(
                {{p.x, p.y, p.z}, {normal.x, normal.y, normal.z}, {corners[corner][0], corners[corner][1]}});
            ++corner;
        }
    }

    SmsMesh Finish(const char* material)
    {
        SmsMesh mesh;
        mesh.desc.format = MeshShapes::Format;
        mesh.desc.materialCount = 1;
        mesh.desc.SetMaterialName(0, material);
        mesh.desc.lods[0].subMeshCount = 1;
        mesh.desc.lods[0].primCounts[0] = static_cast<uint32_t>(_lod.indices.size() / 3);
        Vec3 low(1e30f, 1e30f, 1e30f), high(-1e30f, -1e30f, -1e30f);
        for (const MeshVertex& v : _lod.vertices)
        {
            const Vec3 p(v.position[0], v.position[1], v.position[2]);
            low.Set(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
            high.Set(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
            mesh.desc.radius = std::max(mesh.desc.radius, p.Length());
        }
        mesh.desc.bounds = Bounds(low, high);
        mesh.lods.push_back(std::move(_lod));
        FinishSmsMesh(mesh);
        return mesh;
    }

private:
    SmsLod _lod;
};

// A body pointing along +z: a ring of corners at z = 0, one per radius, joined to a tip in front
// and one behind. Irregular radii and tips make wreckage.
SmsMesh Spindle(const std::vector<float>& radii, const Vec3& front, const Vec3& back, const char* material)
{
    Builder builder;
    const size_t sides = radii.size();
    auto corner = [&](size_t i) {
        const float angle = 2 * Pi * static_cast<float>(i % sides) / static_cast<float>(sides);
        return Vec3(std::cos(angle) * radii[i % sides], std::sin(angle) * radii[i % sides], 0);
    };
    // The body is star-shaped about the origin: each face looks away from it.
    const Vec3 origin(0, 0, 0);
    for (size_t i = 0; i < sides; ++i)
    {
        builder.Triangle(front, corner(i), corner(i + 1), origin);
        builder.Triangle(back, corner(i), corner(i + 1), origin);
    }
    return builder.Finish(material);
}

SmsMesh Round(unsigned sides, float radius, float front, float back, const char* material)
{
    return Spindle(std::vector<float>(sides, radius), Vec3(0, 0, front), Vec3(0, 0, -back), material);
}

// The shock wave, scaled up as it spreads: three flat rings of unit outer radius, one across
// each axis, so that it reads as a ring from any side.
SmsMesh Rings(unsigned segments, float inner, const char* material)
{
    Builder builder;
    const Vec3 axes[3] = {Vec3(1, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 1)};
    for (unsigned plane = 0; plane < 3; ++plane)
    {
        const Vec3& u = axes[plane];
        const Vec3& v = axes[(plane + 1) % 3];
        const Vec3& normal = axes[(plane + 2) % 3];
        for (unsigned i = 0; i < segments; ++i)
        {
            const float a0 = 2 * Pi * static_cast<float>(i) / static_cast<float>(segments);
            const float a1 = 2 * Pi * static_cast<float>(i + 1) / static_cast<float>(segments);
            const Vec3 o0 = u * std::cos(a0) + v * std::sin(a0), o1 = u * std::cos(a1) + v * std::sin(a1);
            // Both sides: each face looks away from a point just behind it.
            for (const Vec3 behind : {-normal, normal})
            {
                builder.Triangle(o0 * inner, o0, o1, o0 * inner + behind);
                builder.Triangle(o0 * inner, o1, o1 * inner, o0 * inner + behind);
            }
        }
    }
    return builder.Finish(material);
}

// Chunk `index` of the wreckage: the same shape on every build.
SmsMesh Wreckage(unsigned index)
{
    auto jitter = [index](unsigned k) {
        const float s = std::sin(static_cast<float>(index * 7 + k) * 12.9898f) * 43758.5453f;
        return s - std::floor(s);
    };
    const unsigned sides = 4 + index % 3;
    std::vector<float> radii;
    for (unsigned k = 0; k < sides; ++k)
        radii.push_back(2.0f + 3.0f * jitter(k));
    const Vec3 front(jitter(10) * 2 - 1, jitter(11) * 2 - 1, 2 + 4 * jitter(12));
    const Vec3 back(jitter(13) * 2 - 1, jitter(14) * 2 - 1, -(1 + 3 * jitter(15)));
    return Spindle(radii, front, back, "hull.mat");
}

} // namespace

std::vector<DemoMesh> All()
{
    std::vector<DemoMesh> meshes = {
        {"ytg_plasma_01.sms", Round(6, 0.8f, 6, 6, "burst_ytg.mat")},
        {"rocket_00.sms", Round(6, 0.9f, 3, 4, "hull.mat")},
        {"torpeda_00.sms", Round(8, 2.0f, 5, 6, "hull.mat")},
        {"exp_wave.sms", Rings(48, 0.92f, "exp_wave.mat")},
    };
    for (unsigned i = 0; i < 10; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof name, "ytg_debris_big_%.2u.sms", i);
        meshes.push_back({name, Wreckage(i)});
    }
    return meshes;
}

} // namespace WeaponMeshes
