#include "HangarMeshes.h"

#include <cmath>
#include <string>

namespace HangarMeshes {

namespace {

using DemoMeshes::AddFace;
using DemoMeshes::ListMesh;

constexpr float Pi = 3.14159265f;
const char* const Races[] = {"asp", "blg", "fslk", "rtb", "sha", "smkt", "tld", "ytg"};

uint32_t Faces(const SmsLod& lod) { return static_cast<uint32_t>(lod.indices.size() / 3); }

// A convex solid's quad, split in two, facing away from `centre`.
void Quad(SmsLod& lod, const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, const Vec3& centre)
{
    const Vec3 middle = (a + b + c + d) * 0.25f;
    AddFace(lod, a, b, c, middle - centre);
    AddFace(lod, a, c, d, middle - centre);
}

// The hall seen from inside: deck, walls and roof of x, z in -120..120, y in 0..80.
SmsMesh Hall()
{
    SmsLod lod;
    const float w = 120.0f, h = 80.0f;
    const Vec3 inside(0.0f, h * 0.5f, 0.0f);
    const Vec3 c[8] = {{-w, 0, -w}, {w, 0, -w}, {w, 0, w}, {-w, 0, w}, {-w, h, -w}, {w, h, -w}, {w, h, w}, {-w, h, w}};
    const int quads[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    for (const auto& q : quads)
    {
        const Vec3 middle = (c[q[0]] + c[q[1]] + c[q[2]] + c[q[3]]) * 0.25f;
        AddFace(lod, c[q[0]], c[q[1]], c[q[2]], inside - middle);
        AddFace(lod, c[q[0]], c[q[2]], c[q[3]], inside - middle);
    }
    const uint32_t count = Faces(lod);
    return ListMesh({lod}, {"angar/hall.mat"}, {{count}});
}

// A box of -1..1 on each axis.
SmsLod BlockLod()
{
    SmsLod lod;
    const Vec3 c[8] = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                       {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1}};
    const int quads[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    for (const auto& q : quads)
        Quad(lod, c[q[0]], c[q[1]], c[q[2]], c[q[3]], Vec3(0.0f));
    return lod;
}

// A prism along z from -1 to 1 of `sides` sides, radius `back` at z = -1 and `front` at z = 1,
// capped at both ends.
SmsLod PrismLod(int sides, float back, float front)
{
    SmsLod lod;
    for (int i = 0; i < sides; ++i)
    {
        const float a0 = 2.0f * Pi * float(i) / float(sides), a1 = 2.0f * Pi * float(i + 1) / float(sides);
        const Vec3 d0(std::cos(a0), std::sin(a0), 0.0f), d1(std::cos(a1), std::sin(a1), 0.0f);
        const Vec3 b0 = d0 * back + Vec3(0, 0, -1), b1 = d1 * back + Vec3(0, 0, -1);
        const Vec3 f0 = d0 * front + Vec3(0, 0, 1), f1 = d1 * front + Vec3(0, 0, 1);
        AddFace(lod, b0, b1, f1, d0 + d1);
        AddFace(lod, b0, f1, f0, d0 + d1);
        AddFace(lod, Vec3(0, 0, -1), b0, b1, Vec3(0, 0, -1));
        if (front > 0.0f)
            AddFace(lod, Vec3(0, 0, 1), f0, f1, Vec3(0, 0, 1));
    }
    return lod;
}

// A dome: the upper half of a sphere of radius 1 on the plane y = 0, and its base.
SmsLod DomeLod()
{
    SmsLod lod;
    const int rings = 6, segments = 16;
    auto point = [](int ring, int segment) {
        const float polar = 0.5f * Pi * float(ring) / float(rings);
        const float a = 2.0f * Pi * float(segment) / float(segments);
        return Vec3(std::sin(polar) * std::cos(a), std::cos(polar), std::sin(polar) * std::sin(a));
    };
    for (int r = 0; r < rings; ++r)
    {
        for (int s = 0; s < segments; ++s)
        {
            const Vec3 a = point(r, s), b = point(r, s + 1), c = point(r + 1, s + 1), d = point(r + 1, s);
            if (r > 0)
                AddFace(lod, a, b, c, a + b + c);
            AddFace(lod, a, c, d, a + c + d);
            if (r == rings - 1)
                AddFace(lod, Vec3(0.0f), c, d, Vec3(0, -1, 0));
        }
    }
    return lod;
}

// A swept wing plate from its root (x = 0, chord z -1..1, thickness y +-0.1) to its tip (x = 1,
// chord z -0.9..-0.2, thickness +-0.04).
SmsLod WingLod()
{
    SmsLod lod;
    const Vec3 rootFront(0, 0, 1), rootBack(0, 0, -1), tipFront(1, 0, -0.2f), tipBack(1, 0, -0.9f);
    const Vec3 rootUp(0, 0.1f, 0), tipUp(0, 0.04f, 0);
    const Vec3 centre(0.4f, 0.0f, -0.2f);
    Quad(lod, rootFront + rootUp, tipFront + tipUp, tipBack + tipUp, rootBack + rootUp, centre);
    Quad(lod, rootFront - rootUp, tipFront - tipUp, tipBack - tipUp, rootBack - rootUp, centre);
    Quad(lod, rootFront + rootUp, tipFront + tipUp, tipFront - tipUp, rootFront - rootUp, centre);
    Quad(lod, rootBack + rootUp, tipBack + tipUp, tipBack - tipUp, rootBack - rootUp, centre);
    Quad(lod, tipFront + tipUp, tipBack + tipUp, tipBack - tipUp, tipFront - tipUp, centre);
    Quad(lod, rootFront + rootUp, rootBack + rootUp, rootBack - rootUp, rootFront - rootUp, centre);
    return lod;
}

// A drive nozzle opening towards -z, its mouth glowing.
SmsMesh Nozzle()
{
    SmsLod lod = PrismLod(12, 1.0f, 0.6f);
    const uint32_t metal = Faces(lod);
    SmsLod glow;
    for (int i = 0; i < 12; ++i)
    {
        const float a0 = 2.0f * Pi * float(i) / 12.0f, a1 = 2.0f * Pi * float(i + 1) / 12.0f;
        AddFace(glow, Vec3(0, 0, -1.01f), Vec3(std::cos(a0), std::sin(a0), -1.01f) * 0.85f,
                Vec3(std::cos(a1), std::sin(a1), -1.01f) * 0.85f, Vec3(0, 0, -1));
    }
    // One LOD: the metal faces, then the glowing mouth.
    const uint16_t base = static_cast<uint16_t>(lod.vertices.size());
    for (uint16_t index : glow.indices)
        lod.indices.push_back(static_cast<uint16_t>(index + base));
    lod.vertices.insert(lod.vertices.end(), glow.vertices.begin(), glow.vertices.end());
    return ListMesh({lod}, {"angar/metal.mat", "glow.mat"}, {{metal, Faces(glow)}});
}

SmsMesh Single(SmsLod lod, const std::string& material)
{
    const uint32_t count = Faces(lod);
    return ListMesh({lod}, {material.c_str()}, {{count}});
}

} // namespace

std::vector<DemoMesh> All()
{
    std::vector<DemoMesh> meshes = {
        {"angar_hall.sms", Hall()},
        {"angar_block.sms", Single(BlockLod(), "angar/metal.mat")},
        {"angar_barrel.sms", Single(PrismLod(12, 1.0f, 1.0f), "angar/metal.mat")},
        {"angar_dome.sms", Single(DomeLod(), "angar/canopy.mat")},
        {"angar_nozzle.sms", Nozzle()},
    };
    for (const char* race : Races)
    {
        const std::string plating = std::string("angar/plating_") + race + ".mat";
        meshes.push_back({std::string("angar_wing_") + race + ".sms", Single(WingLod(), plating)});
        // A weapon pod: a six-sided body narrowing to its nose at z = 1.
        meshes.push_back({std::string("angar_pod_") + race + ".sms", Single(PrismLod(6, 1.0f, 0.35f), plating)});
    }
    return meshes;
}

} // namespace HangarMeshes
