#include "services/physics/PhysicsAssetFormat.h"

#include <algorithm>
#include <cmath>

#include "foundation/base/BinaryReader.h"
#include "foundation/base/BinaryWriter.h"

namespace {

constexpr uint32_t Sphere = 1, Box = 2, Convex = 5, TriMesh = 6;
constexpr size_t MinRecordSize = 12; // type, cooked size, name length

bool Fail(std::string& error, std::string text)
{
    error = std::move(text);
    return false;
}

bool ReadName(BinaryReader& in, std::string& out)
{
    uint32_t length = 0;
    if (!in.Read(length) || length > in.Remaining())
        return false;
    std::string text(length, '\0');
    if (!in.ReadBytes(text.data(), length))
        return false;
    out = text.c_str(); // up to the terminating zero
    return true;
}

// Positions are stored z, y, x.
bool ReadZyx(BinaryReader& in, Vec3& v) { return in.Read(v.z) && in.Read(v.y) && in.Read(v.x); }

bool Finite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// A NaN or infinity would poison the simulation of everything the shape touches.
bool Finite(const PhysicsShapeRecord& shape)
{
    return Finite(shape.position) && std::isfinite(shape.density) && std::isfinite(shape.radius) &&
           Finite(shape.dimensions) &&
           std::all_of(shape.points.begin(), shape.points.end(), [](const Vec3& p) { return Finite(p); });
}

void WriteZyx(BinaryWriter& out, const Vec3& v)
{
    out.Write(v.z);
    out.Write(v.y);
    out.Write(v.x);
}

void WriteName(BinaryWriter& out, const std::string& name)
{
    out.Write(uint32_t(name.size() + 1));
    out.WriteBytes(name.c_str(), name.size() + 1);
}

bool ReadConvex(BinaryReader& in, PhysicsShapeRecord& shape, std::string& error)
{
    uint32_t triangles = 0, vertices = 0, triangleStride = 0, vertexStride = 0;
    if (!in.Read(triangles) || !in.Read(vertices) || !in.Read(triangleStride) || !in.Read(vertexStride))
        return false;
    if (triangleStride < 12 || vertexStride < 12)
        return Fail(error, "convex strides below 12 bytes");
    if (uint64_t(triangles) * triangleStride + uint64_t(vertices) * vertexStride > in.Remaining())
        return Fail(error, "convex counts larger than the file");
    shape.triangles.resize(size_t(triangles) * 3);
    for (uint32_t t = 0; t < triangles; ++t)
    {
        for (int k = 0; k < 3; ++k)
            in.Read(shape.triangles[t * 3 + k]);
        in.Skip(triangleStride - 12);
    }
    shape.points.resize(vertices);
    for (Vec3& p : shape.points)
    {
        in.Read(p.x);
        in.Read(p.y);
        in.Read(p.z);
        in.Skip(vertexStride - 12);
    }
    return !in.Failed();
}

bool ReadCookedMesh(BinaryReader& in, uint32_t cookedSize, PhysicsShapeRecord& shape, std::string& error)
{
    if (cookedSize > in.Remaining())
        return false;
    const size_t start = in.Offset();
    uint32_t vertices = 0, triangles = 0;
    if (!in.Read(vertices) || !in.Read(triangles))
        return false;
    if (8 + 12 * uint64_t(vertices) + 12 * uint64_t(triangles) != cookedSize)
        return Fail(error, "triangle mesh counts disagree with its cooked size");
    shape.points.resize(vertices);
    for (Vec3& p : shape.points)
        in.Read(p.x), in.Read(p.y), in.Read(p.z);
    shape.triangles.resize(size_t(triangles) * 3);
    for (uint32_t& index : shape.triangles)
        in.Read(index);
    return !in.Failed() && in.Offset() == start + cookedSize;
}

} // namespace

bool ReadPhysicsAsset(const void* data, size_t size, const std::string& source, PhysicsAssetData& out,
                      std::string& error)
{
    BinaryReader in(data, size, source);
    PhysicsAssetData asset;
    uint32_t fileSize = 0, shapeCount = 0, shapeBytes = 0;
    in.Read(asset.flag);
    in.Read(fileSize);
    in.Read(asset.angularDamping);
    in.Read(asset.linearDamping);
    in.Read(asset.wakeUpCounter);
    if (!ReadName(in, asset.name) || !in.Read(asset.actorGroup) || !in.Read(shapeCount) || !in.Read(shapeBytes))
        return Fail(error, in.Failed() ? in.Error() : "actor name longer than the file");
    if (!std::isfinite(asset.angularDamping) || !std::isfinite(asset.linearDamping) ||
        !std::isfinite(asset.wakeUpCounter))
        return Fail(error, "damping or wake-up counter not a finite number");
    if (shapeCount > in.Remaining() / MinRecordSize)
        return Fail(error, "shape count " + std::to_string(shapeCount) + " larger than the file");

    for (uint32_t i = 0; i < shapeCount; ++i)
    {
        PhysicsShapeRecord shape;
        uint32_t cookedSize = 0;
        std::string why;
        if (!in.Read(shape.type) || !in.Read(cookedSize) || !ReadName(in, shape.name))
            return Fail(error, in.Failed() ? in.Error() : "shape name longer than the file");
        if (shape.type != Sphere && shape.type != Box && shape.type != Convex && shape.type != TriMesh)
            return Fail(error, "unknown shape type " + std::to_string(shape.type) + " in shape " + std::to_string(i));
        ReadZyx(in, shape.position);
        in.Read(shape.group);
        bool ok = true;
        switch (shape.type)
        {
        case Sphere: ok = in.Read(shape.density) && in.Read(shape.radius); break;
        case Box: ok = in.Read(shape.density) && ReadZyx(in, shape.dimensions); break;
        case Convex: ok = in.Read(shape.density) && ReadConvex(in, shape, why); break;
        case TriMesh: ok = ReadCookedMesh(in, cookedSize, shape, why); break;
        }
        if (!ok || in.Failed())
            return Fail(error, !why.empty() ? why : in.Failed() ? in.Error() : "truncated mesh");
        for (uint32_t index : shape.triangles)
            if (index >= shape.points.size())
                return Fail(error, "vertex index " + std::to_string(index) + " out of range");
        if (!Finite(shape))
            return Fail(error, "shape " + std::to_string(i) + " holds a number that is not finite");
        asset.shapes.push_back(std::move(shape));
    }
    out = std::move(asset);
    return true;
}

std::vector<uint8_t> WritePhysicsAsset(const PhysicsAssetData& asset)
{
    BinaryWriter shapes;
    for (const PhysicsShapeRecord& shape : asset.shapes)
    {
        const uint32_t cookedSize =
            shape.type == TriMesh ? uint32_t(8 + 12 * shape.points.size() + 4 * shape.triangles.size()) : 0;
        shapes.Write(shape.type);
        shapes.Write(cookedSize);
        WriteName(shapes, shape.name);
        WriteZyx(shapes, shape.position);
        shapes.Write(shape.group);
        switch (shape.type)
        {
        case Sphere:
            shapes.Write(shape.density);
            shapes.Write(shape.radius);
            break;
        case Box:
            shapes.Write(shape.density);
            WriteZyx(shapes, shape.dimensions);
            break;
        case Convex:
            shapes.Write(shape.density);
            shapes.Write(uint32_t(shape.triangles.size() / 3));
            shapes.Write(uint32_t(shape.points.size()));
            shapes.Write(uint32_t(12));
            shapes.Write(uint32_t(12));
            for (uint32_t index : shape.triangles)
                shapes.Write(index);
            for (const Vec3& p : shape.points)
                shapes.Write(p.x), shapes.Write(p.y), shapes.Write(p.z);
            break;
        case TriMesh:
            shapes.Write(uint32_t(shape.points.size()));
            shapes.Write(uint32_t(shape.triangles.size() / 3));
            for (const Vec3& p : shape.points)
                shapes.Write(p.x), shapes.Write(p.y), shapes.Write(p.z);
            for (uint32_t index : shape.triangles)
                shapes.Write(index);
            break;
        }
    }

    BinaryWriter head;
    head.Write(asset.flag);
    head.Write(uint32_t(0)); // total size, patched below
    head.Write(asset.angularDamping);
    head.Write(asset.linearDamping);
    head.Write(asset.wakeUpCounter);
    WriteName(head, asset.name);
    head.Write(asset.actorGroup);
    head.Write(uint32_t(asset.shapes.size()));
    head.Write(uint32_t(shapes.Size()));

    std::vector<uint8_t> file = head.Data();
    file.insert(file.end(), shapes.Data().begin(), shapes.Data().end());
    const uint32_t total = uint32_t(file.size());
    for (int i = 0; i < 4; ++i)
        file[1 + i] = uint8_t(total >> (8 * i));
    return file;
}

PhysicsAssetData DefaultPhysicsAsset()
{
    PhysicsAssetData asset;
    asset.name = "sphere1";
    PhysicsShapeRecord sphere;
    sphere.type = Sphere;
    sphere.name = "sphere_0";
    sphere.group = 1;
    asset.shapes.push_back(sphere);
    return asset;
}
