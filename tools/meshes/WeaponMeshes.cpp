#include "WeaponMeshes.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace WeaponMeshes {

namespace {

constexpr float Pi = 3.14159265f;

// A body pointing along +z: a ring of `radii.size()` corners at z = 0 joined to a tip in front
// and one behind, flat-shaded. Irregular radii and tips make wreckage.
SmsMesh Spindle(const std::vector<float>& radii, const Vec3& front, const Vec3& back, const char* material)
{
    SmsLod lod;
    const size_t sides = radii.size();
    std::vector<Vec3> ring;
    for (size_t i = 0; i < sides; ++i)
    {
        const float angle = 2 * Pi * static_cast<float>(i) / static_cast<float>(sides);
        ring.emplace_back(std::cos(angle) * radii[i], std::sin(angle) * radii[i], 0);
    }
    for (size_t i = 0; i < sides; ++i)
    {
        const Vec3& a = ring[i];
        const Vec3& b = ring[(i + 1) % sides];
        // The shape is convex about the origin: a face looks out along its centre.
        DemoMeshes::AddFace(lod, front, a, b, front + a + b);
        DemoMeshes::AddFace(lod, back, a, b, back + a + b);
    }
    const uint32_t faces = static_cast<uint32_t>(lod.indices.size() / 3);
    return DemoMeshes::ListMesh({lod}, {material}, {{faces}});
}

SmsMesh Round(unsigned sides, float radius, float front, float back, const char* material)
{
    return Spindle(std::vector<float>(sides, radius), Vec3(0, 0, front), Vec3(0, 0, -back), material);
}

// A flat ring of unit outer radius in the x-z plane, facing up and down.
SmsMesh Ring(unsigned segments, float inner, const char* material)
{
    SmsLod lod;
    for (unsigned i = 0; i < segments; ++i)
    {
        const float a0 = 2 * Pi * static_cast<float>(i) / static_cast<float>(segments);
        const float a1 = 2 * Pi * static_cast<float>(i + 1) / static_cast<float>(segments);
        const Vec3 o0(std::cos(a0), 0, std::sin(a0)), o1(std::cos(a1), 0, std::sin(a1));
        for (const Vec3 side : {Vec3(0, 1, 0), Vec3(0, -1, 0)})
        {
            DemoMeshes::AddFace(lod, o0 * inner, o0, o1, side);
            DemoMeshes::AddFace(lod, o0 * inner, o1, o1 * inner, side);
        }
    }
    const uint32_t faces = static_cast<uint32_t>(lod.indices.size() / 3);
    return DemoMeshes::ListMesh({lod}, {material}, {{faces}});
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
        {"exp_wave.sms", Ring(32, 0.85f, "exp_wave.mat")},
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
