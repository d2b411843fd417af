#include "RadarMeshes.h"

#include <cmath>

namespace RadarMeshes {

namespace {

const char* const RadarMaterial = "radar.mat";
constexpr float Pi = 3.14159265f;

// A flat quad in the horizontal plane from a to b (centre line), `width` wide, facing up.
void Strip(SmsLod& lod, float ax, float az, float bx, float bz, float width)
{
    float nx = bz - az, nz = -(bx - ax);
    const float length = std::sqrt(nx * nx + nz * nz);
    if (length <= 0.0f)
        return;
    nx *= width * 0.5f / length;
    nz *= width * 0.5f / length;
    const uint16_t first = static_cast<uint16_t>(lod.vertices.size());
    const float corners[4][2] = {{ax - nx, az - nz}, {ax + nx, az + nz}, {bx - nx, bz - nz}, {bx + nx, bz + nz}};
    const float uvs[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    for (int i = 0; i < 4; ++i)
        lod.vertices.push_back({{corners[i][0], 0.0f, corners[i][1]}, {0, 1, 0}, {uvs[i][0], uvs[i][1]}});
    for (uint16_t i : {0, 1, 2, 2, 1, 3})
        lod.indices.push_back(static_cast<uint16_t>(first + i));
}

// A circle of `segments` strips; every `skip`-th left out (0: none) makes it dashed.
void Circle(SmsLod& lod, float radius, float width, int segments, int skip)
{
    for (int i = 0; i < segments; ++i)
    {
        if (skip > 0 && i % skip == 0)
            continue;
        const float a = 2.0f * Pi * float(i) / float(segments), b = 2.0f * Pi * float(i + 1) / float(segments);
        Strip(lod, std::cos(a) * radius, std::sin(a) * radius, std::cos(b) * radius, std::sin(b) * radius, width);
    }
}

// `count` radial strokes from `inner` to `outer`.
void Spokes(SmsLod& lod, float inner, float outer, int count, float width)
{
    for (int i = 0; i < count; ++i)
    {
        const float a = 2.0f * Pi * float(i) / float(count);
        Strip(lod, std::cos(a) * inner, std::sin(a) * inner, std::cos(a) * outer, std::sin(a) * outer, width);
    }
}

SmsMesh Single(const SmsLod& lod)
{
    return DemoMeshes::ListMesh({lod}, {RadarMaterial}, {{static_cast<uint32_t>(lod.indices.size() / 3)}});
}

// The disc's rim, a middle ring and eight spokes: a tenth of the size shown.
SmsMesh Disc()
{
    SmsLod lod;
    Circle(lod, 0.055f, 0.003f, 64, 0);
    Circle(lod, 0.032f, 0.0015f, 48, 0);
    Spokes(lod, 0.005f, 0.055f, 8, 0.001f);
    return Single(lod);
}

// A dashed ring inside the rim: a hundred times the size shown.
SmsMesh DashedRing()
{
    SmsLod lod;
    Circle(lod, 44.0f, 1.5f, 48, 3);
    return Single(lod);
}

// A ring of ticks outside the rim, longer every ninth.
SmsMesh Ticks()
{
    SmsLod lod;
    for (int i = 0; i < 36; ++i)
    {
        const float a = 2.0f * Pi * float(i) / 36.0f;
        const float inner = i % 9 == 0 ? 54.0f : 57.0f;
        Strip(lod, std::cos(a) * inner, std::sin(a) * inner, std::cos(a) * 61.0f, std::sin(a) * 61.0f, 1.2f);
    }
    return Single(lod);
}

// A small cross at the centre.
SmsMesh Cross()
{
    SmsLod lod;
    Strip(lod, -6.0f, 0.0f, 6.0f, 0.0f, 1.2f);
    Strip(lod, 0.0f, -6.0f, 0.0f, 6.0f, 1.2f);
    return Single(lod);
}

} // namespace

std::vector<DemoMesh> All()
{
    return {{"radar_disc.sms", Disc()},
            {"radar_dashes.sms", DashedRing()},
            {"radar_ticks.sms", Ticks()},
            {"radar_cross.sms", Cross()}};
}

} // namespace RadarMeshes
