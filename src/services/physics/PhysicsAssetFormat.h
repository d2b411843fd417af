#pragma once
// The physics asset file (".mdl", ".pea"), little-endian throughout:
//   flag u8, size u32, angular damping f32, linear damping f32, wake-up counter f32,
//   name length u32 + name with its zero, actor group u8, shape count u32, shape bytes u32,
//   then per shape: type u32, cooked size u32, name length u32 + name, position (z, y, x f32),
//   and by type:
//     1 sphere:   group u8, density f32, radius f32
//     2 box:      group u8, density f32, half extents (z, y, x f32)
//     5 convex:   group u8, density f32, triangle count T u32, vertex count V u32,
//                 triangle stride u32, vertex stride u32, T triangles (3 u32 at the start of
//                 each stride), V vertices (3 f32 at the start of each stride)
//     6 trimesh:  group u8, then "cooked size" bytes: V u32, T u32, V x 3 f32, T x 3 u32
// A group of 0 means the actor group.
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/math/Vec3.h"

struct PhysicsShapeRecord
{
    uint32_t type = 1;
    std::string name;
    Vec3 position{0, 0, 0};
    uint8_t group = 0;
    float density = 1;
    float radius = 1;         // sphere
    Vec3 dimensions{1, 1, 1}; // box half extents
    std::vector<Vec3> points; // convex and trimesh
    std::vector<uint32_t> triangles;
};

struct PhysicsAssetData
{
    uint8_t flag = 1;
    float angularDamping = 0.05f;
    float linearDamping = 0;
    float wakeUpCounter = 0.4f;
    std::string name;
    uint8_t actorGroup = 1;
    std::vector<PhysicsShapeRecord> shapes;
};

// Parses a whole file; false with `error` set when it is truncated, lies about its counts,
// holds an index outside its vertices, a number that is not finite or a shape type other than
// 1, 2, 5 and 6.
bool ReadPhysicsAsset(const void* data, size_t size, const std::string& source, PhysicsAssetData& out,
                      std::string& error);
std::vector<uint8_t> WritePhysicsAsset(const PhysicsAssetData& asset);

// What stands in for an asset that cannot be loaded: "sphere1", one unit sphere of group 1.
PhysicsAssetData DefaultPhysicsAsset();
