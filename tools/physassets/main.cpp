// Writes the demo physics assets under <data>/phys/ with the engine's own asset writer.
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "ContentFile.h"
#include "WeaponPhysAssets.h"
#include "ObjectPhysAssets.h"
#include "ShipAssets.h"
#include "RacePhysAssets.h"
#include "services/physics/PhysicsAssetFormat.h"

namespace {

PhysicsAssetData Actor(const char* name, std::vector<PhysicsShapeRecord> shapes)
{
    PhysicsAssetData asset;
    asset.name = name;
    asset.actorGroup = 1;
    asset.shapes = std::move(shapes);
    return asset;
}

PhysicsShapeRecord Shape(uint32_t type, const char* name)
{
    PhysicsShapeRecord shape;
    shape.type = type;
    shape.name = name;
    shape.group = 1;
    return shape;
}

PhysicsShapeRecord Sphere(const char* name, float radius)
{
    PhysicsShapeRecord s = Shape(1, name);
    s.radius = radius;
    return s;
}

PhysicsShapeRecord Box(const char* name, Vec3 halfExtents)
{
    PhysicsShapeRecord s = Shape(2, name);
    s.dimensions = halfExtents;
    return s;
}

// A regular icosahedron of the given circumradius.
PhysicsShapeRecord Icosahedron(const char* name, float radius)
{
    PhysicsShapeRecord s = Shape(5, name);
    const float t = (1.0f + std::sqrt(5.0f)) / 2.0f;
    const float k = radius / std::sqrt(1.0f + t * t);
    s.points = {{-1, t, 0},  {1, t, 0},  {-1, -t, 0}, {1, -t, 0}, {0, -1, t},  {0, 1, t},
                {0, -1, -t}, {0, 1, -t}, {t, 0, -1},  {t, 0, 1},  {-t, 0, -1}, {-t, 0, 1}};
    for (Vec3& p : s.points)
        p *= k;
    s.triangles = {0, 11, 5, 0, 5, 1, 0, 1, 7, 0, 7, 10, 0, 10, 11, 1, 5, 9, 5, 11, 4,  11, 10, 2,  10, 7, 6, 7, 1, 8,
                   3, 9,  4, 3, 4, 2, 3, 2, 6, 3, 6, 8,  3, 8,  9,  4, 9, 5, 2, 4,  11, 6,  2,  10, 8,  6, 7, 9, 8, 1};
    return s;
}

// A flat square slab of two triangles on y = 0.
PhysicsShapeRecord Slab(const char* name, float half)
{
    PhysicsShapeRecord s = Shape(6, name);
    s.points = {{-half, 0, -half}, {half, 0, -half}, {half, 0, half}, {-half, 0, half}};
    s.triangles = {0, 2, 1, 0, 3, 2};
    return s;
}

bool Write(const std::filesystem::path& folder, const char* file, const PhysicsAssetData& asset)
{
    return WriteContentFile(folder / file, WritePhysicsAsset(asset));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: make_physassets <data folder>\n");
        return 1;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "phys";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
    {
        std::fprintf(stderr, "make_physassets: cannot create %s\n", folder.c_str());
        return 1;
    }
    bool ok = true;
    ok &= Write(folder, "sphere1.mdl", DefaultPhysicsAsset());
    ok &= Write(folder, "box1.mdl", Actor("box1", {Box("box_0", {10, 10, 10})}));
    ok &= Write(folder, "icosahedron1.mdl", Actor("icosahedron1", {Icosahedron("hull_0", 10)}));
    ok &= Write(folder, "slab1.mdl", Actor("slab1", {Slab("slab_0", 500)}));
    ok &= Write(folder, "comet.pea", Actor("comet", {Sphere("comet_0", 40)}));
    for (const WeaponPhysAssets::Asset& asset : WeaponPhysAssets::All())
        ok &= Write(folder, asset.file.c_str(), asset.data);
    for (const ObjectPhysAssets::Asset& asset : ObjectPhysAssets::All())
        ok &= Write(folder, asset.file.c_str(), asset.data);
    ok &= WriteShipAssets(folder);
    for (const ObjectPhysAssets::Asset& asset : RacePhysAssets::All())
        ok &= Write(folder, asset.file.c_str(), asset.data);
    return ok ? 0 : 1;
}
