#include "RaceMeshes.h"

#include <cmath>
#include <cstdio>

namespace RaceMeshes {

namespace {

using DemoMeshes::AddFace;
using DemoMeshes::ListMesh;

constexpr float Pi = 3.14159265f;

// A cross-section of a hull at a place along its length (+z is ahead).
struct Section
{
    float z;
    float halfWidth;
    float halfHeight;
};

struct Loft
{
    std::vector<Section> sections; // from the tail to the nose
    unsigned sides = 6;
    float phase = 0;      // radians: where the first corner of every ring lies
    Vec3 offset{0, 0, 0}; // of the whole body from the mesh's origin
};

Vec3 Corner(const Loft& loft, const Section& s, unsigned k)
{
    const float angle = loft.phase + 2 * Pi * float(k) / float(loft.sides);
    return loft.offset + Vec3(std::cos(angle) * s.halfWidth, std::sin(angle) * s.halfHeight, s.z);
}

bool IsPoint(const Section& s) { return s.halfWidth <= 0 && s.halfHeight <= 0; }

// The body through its sections; a section of no size is a tip, an end of some size is closed.
void AddLoft(SmsLod& lod, const Loft& loft)
{
    for (size_t i = 0; i + 1 < loft.sections.size(); ++i)
    {
        const Section& a = loft.sections[i];
        const Section& b = loft.sections[i + 1];
        for (unsigned k = 0; k < loft.sides; ++k)
        {
            const unsigned j = (k + 1) % loft.sides;
            const float angle = loft.phase + 2 * Pi * (float(k) + 0.5f) / float(loft.sides);
            const Vec3 outward(std::cos(angle), std::sin(angle), 0);
            if (!IsPoint(a))
                AddFace(lod, Corner(loft, a, k), Corner(loft, a, j), Corner(loft, b, j), outward);
            if (!IsPoint(b))
                AddFace(lod, Corner(loft, a, k), Corner(loft, b, j), Corner(loft, b, k), outward);
        }
    }
    const Section ends[2] = {loft.sections.front(), loft.sections.back()};
    for (unsigned e = 0; e < 2; ++e)
    {
        if (IsPoint(ends[e]))
            continue;
        const Vec3 centre = loft.offset + Vec3(0, 0, ends[e].z);
        for (unsigned k = 0; k < loft.sides; ++k)
            AddFace(lod, centre, Corner(loft, ends[e], k), Corner(loft, ends[e], (k + 1) % loft.sides),
                    Vec3(0, 0, e == 0 ? -1.0f : 1.0f));
    }
}

// A thin plate seen from both sides: wings, fins, fans.
void AddPlate(SmsLod& lod, const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d)
{
    const Vec3 normal = (b - a) ^ (d - a);
    for (const Vec3& side : {normal, -normal})
    {
        AddFace(lod, a, b, c, side);
        AddFace(lod, a, c, d, side);
    }
}

// The plate and its mirror image across x = 0.
void AddMirroredPlate(SmsLod& lod, const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d)
{
    AddPlate(lod, a, b, c, d);
    auto mirror = [](const Vec3& v) { return Vec3(-v.x, v.y, v.z); };
    AddPlate(lod, mirror(a), mirror(b), mirror(c), mirror(d));
}

SmsMesh OneMaterial(const SmsLod& lod, const char* material)
{
    return ListMesh({lod}, {material}, {{uint32_t(lod.indices.size() / 3)}});
}

SmsMesh Body(std::vector<Loft> lofts, const char* material)
{
    SmsLod lod;
    for (const Loft& loft : lofts)
        AddLoft(lod, loft);
    return OneMaterial(lod, material);
}

// A slender six-sided body with swept wings and a fin.
SmsMesh BlgFighter()
{
    SmsLod lod;
    AddLoft(lod, {{{-6, 0.9f, 0.6f}, {-4, 1.6f, 1.0f}, {1, 1.4f, 1.1f}, {6, 0.6f, 0.5f}, {9, 0, 0}}, 6});
    AddMirroredPlate(lod, {1.3f, 0, 1}, {7, 0, -3.5f}, {7, 0, -5.5f}, {1.3f, 0, -4});
    AddPlate(lod, {0, 1, -2}, {0, 3.5f, -5.5f}, {0, 3.5f, -6.5f}, {0, 0.8f, -5.5f});
    return OneMaterial(lod, "blg_hull.mat");
}

// A stubby eight-sided body with short forward-swept wings; the ship scales it up threefold.
SmsMesh RtbFighter()
{
    SmsLod lod;
    AddLoft(lod, {{{-2, 0.8f, 0.7f}, {0, 1, 0.9f}, {2, 0.6f, 0.5f}, {3, 0, 0}}, 8});
    AddMirroredPlate(lod, {0.9f, 0, -1.2f}, {0.9f, 0, 0.8f}, {3, 0.4f, 1.6f}, {3, 0.4f, 0.6f});
    return OneMaterial(lod, "rtb_hull.mat");
}

// A diamond body with two pairs of forward prongs, like pincers.
SmsMesh YtgFighter(bool wrecked)
{
    SmsLod lod;
    if (wrecked)
    {
        AddLoft(lod, {{{-4, 1.0f, 0.6f}, {-1, 1.6f, 1.3f}, {2, 1.1f, 0.7f}, {4, 0.4f, 0.5f}}, 4, 0.3f});
        AddPlate(lod, {1.5f, 0.3f, 0}, {4, 1.4f, 2.5f}, {4.6f, 0.4f, 1.5f}, {1.5f, -0.2f, -1});
        return OneMaterial(lod, "ytg_hull_damaged.mat");
    }
    AddLoft(lod, {{{-5, 1.2f, 0.8f}, {-1, 1.8f, 1.2f}, {3, 1, 0.9f}, {7, 0, 0}}, 4});
    AddMirroredPlate(lod, {1.5f, 0.4f, -1}, {1.5f, 0.4f, 2}, {6, 1.5f, 5}, {6.5f, 1.2f, 2});
    AddMirroredPlate(lod, {1.5f, -0.4f, -2}, {1.5f, -0.4f, 1}, {5, -1.5f, 3.5f}, {5.5f, -1.2f, 0.5f});
    return OneMaterial(lod, "ytg_hull.mat");
}

// A splinter of the wrecked fighter.
SmsMesh YtgShard() { return Body({{{{-1.5f, 0.8f, 0.5f}, {1.5f, 0, 0}}, 3}}, "ytg_hull_damaged.mat"); }

SmsMesh BlgCruiser()
{
    Loft hull{{{-60, 10, 7}, {-40, 14, 9}, {30, 12, 8}, {60, 6, 5}, {75, 0, 0}}, 6};
    Loft bridge{{{-30, 4, 3}, {-10, 3, 2.5f}, {-4, 0, 0}}, 6, 0, {0, 9, 0}};
    Loft left{{{-50, 4, 4}, {10, 4, 4}, {22, 0, 0}}, 6, 0, {-18, -2, 0}};
    Loft right = left;
    right.offset.x = 18;
    return Body({hull, bridge, left, right}, "blg_hull.mat");
}

SmsMesh RtbCruiser()
{
    const float square = Pi / 4;
    Loft hull{{{-50, 14, 10}, {40, 14, 10}, {55, 8, 6}, {62, 0, 0}}, 4, square};
    Loft block{{{-30, 6, 4}, {10, 6, 4}, {16, 0, 0}}, 4, square, {0, 11, 0}};
    return Body({hull, block}, "rtb_hull.mat");
}

// The breakable parts of the large Ytg ships, each about its physics box.
struct Part
{
    const char* file;
    Loft loft;
    const char* material = "ytg_hull.mat";
};

std::vector<Part> YtgParts()
{
    const float square = Pi / 4;
    return {
        {"ytg_korpus_bolsh_dvig.sms", {{{-60, 18, 12}, {40, 20, 14}, {60, 10, 8}, {70, 0, 0}}, 4}},
        {"ytg_bolsh_dvigatel.sms", {{{-20, 7, 7}, {15, 8, 8}, {22, 0, 0}}, 8}},
        {"ytg_bolsh_dvigatel_damaged.sms", {{{-16, 5, 7}, {10, 8, 5}, {14, 2, 1}}, 5, 0.5f}, "ytg_hull_damaged.mat"},
        {"ytg_sush_02_kabina.sms", {{{-12, 10, 8}, {8, 9, 7}, {14, 0, 0}}, 6}},
        {"ytg_centraln_blok_tr.sms", {{{-25, 10, 8}, {20, 10, 8}, {30, 0, 0}}, 4, square}},
        {"ytg_st_dvig_dr1.sms", {{{-10, 4, 4}, {8, 5, 5}, {12, 0, 0}}, 8}},
        {"ytg_energ_caps_trb.sms", {{{-32, 0, 0}, {-25, 9, 9}, {25, 9, 9}, {32, 0, 0}}, 8}},
    };
}

// A drum of a station with a hub through it.
SmsMesh YtgStation()
{
    Loft hub{{{-90, 25, 25}, {90, 25, 25}}, 8};
    Loft drum{{{-12, 120, 120}, {12, 120, 120}}, 12};
    Loft tower{{{-20, 0, 0}, {0, 14, 14}, {20, 0, 0}}, 6, 0, {0, 140, 0}};
    return Body({hub, drum, tower}, "ytg_hull.mat");
}

// A long crystal, pointed at both ends, of a few sides.
SmsMesh Crystal(unsigned i)
{
    const float length = 4.0f + float(i), width = 1.2f + 0.3f * float(i);
    return Body({{{{-length, 0, 0}, {-length * 0.2f, width, width * 0.8f}, {length, 0, 0}}, 4 + i}},
                "crystal_debris.mat");
}

} // namespace

std::vector<DemoMesh> All()
{
    std::vector<DemoMesh> meshes = {
        {"blg_fighter.sms", BlgFighter()},      {"rtb_fighter.sms", RtbFighter()},
        {"ytg_fighter.sms", YtgFighter(false)}, {"ytg_fighter_damaged.sms", YtgFighter(true)},
        {"ytg_fighter_shard.sms", YtgShard()},  {"blg_cruiser.sms", BlgCruiser()},
        {"rtb_cruiser.sms", RtbCruiser()},      {"ytg_scstation.sms", YtgStation()},
    };
    for (const Part& part : YtgParts())
        meshes.push_back({part.file, Body({part.loft}, part.material)});
    for (unsigned i = 0; i < 4; ++i)
    {
        char file[32];
        std::snprintf(file, sizeof file, "crystal_debris_%.2u.sms", i);
        meshes.push_back({file, Crystal(i)});
    }
    return meshes;
}

} // namespace RaceMeshes
