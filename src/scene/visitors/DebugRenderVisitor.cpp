#include "scene/visitors/DebugRenderVisitor.h"

#include "MaterialSystem/MaterialSystem.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Renode.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kGreen = 0xFF00FF00u;
constexpr uint32_t kBlue = 0xFF0000FFu;
constexpr uint32_t kOrange = 0xFFFF7F00u;
constexpr uint32_t kCyan = 0xFF00FFFFu;
constexpr uint32_t kMagenta = 0xFFFF00FFu;
constexpr uint32_t kYellow = 0xFFFFFF00u;
// Opaque green with 0x40 added to its alpha byte, which wraps.
constexpr uint32_t kGreenFaces = kGreen + 0x40000000u;

// The eight corners of a box, bit 0 choosing x, bit 1 y and bit 2 z of the maximum.
Vec3 Corner(const Bounds& b, int i)
{
    return Vec3(i & 1 ? b.max.x : b.min.x, i & 2 ? b.max.y : b.min.y, i & 4 ? b.max.z : b.min.z);
}

} // namespace

DebugRenderVisitor::DebugRenderVisitor(unsigned long flags, RenderScene* scene)
    : _flags(flags), _scene(scene), _system(scene ? scene->GetMaterialSystem() : nullptr)
{}

void DebugRenderVisitor::DrawAxes(const Bone& node)
{
    const Matrix& world = node.GetWorldMatrix();
    const Vec3 p = node.GetGlobalPos();
    const uint32_t colors[3] = {kRed, kGreen, kBlue};
    HelperLine lines[3];
    HelperTriangle heads[6];
    for (int a = 0; a < 3; ++a)
    {
        const Vec3 axis = world.GetRow3(a);
        lines[a] = {{p, p + axis}, colors[a]};
        for (int k = 0; k < 2; ++k)
        {
            const Vec3 side = world.GetRow3((a + 1 + k) % 3) * 0.1f;
            heads[a * 2 + k] = {{p + axis, p + axis * 0.75f + side, p + axis * 0.75f - side}, colors[a]};
        }
    }
    _system->DrawLines(lines, 3);
    _system->DrawTriangles(heads, 6);
}

void DebugRenderVisitor::DrawLink(const Bone& node)
{
    const Bone* parent = node.GetParent();
    if (!parent || !node.HasNoRootParent())
        return;
    const HelperLine line{{parent->GetGlobalPos(), node.GetGlobalPos()}, kCyan};
    _system->DrawLines(&line, 1);
}

void DebugRenderVisitor::DrawBoxEdges(const Bounds& bounds, uint32_t color)
{
    HelperLine lines[12];
    unsigned count = 0;
    // Every pair of corners that differ in one coordinate.
    for (int i = 0; i < 8; ++i)
        for (int bit = 1; bit < 8; bit <<= 1)
            if (!(i & bit))
                lines[count++] = {{Corner(bounds, i), Corner(bounds, i | bit)}, color};
    _system->DrawLines(lines, count);
}

bool DebugRenderVisitor::Visit(Bone& node)
{
    if (!_system)
        return true;
    if (_flags & DF_AXES)
        DrawAxes(node);
    if (_flags & DF_BONES)
    {
        const Matrix& world = node.GetWorldMatrix();
        const Vec3 p = node.GetGlobalPos();
        HelperLine lines[12];
        unsigned count = 0;
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j)
                for (float si : {-1.0f, 1.0f})
                    for (float sj : {-1.0f, 1.0f})
                        lines[count++] = {{p + world.GetRow3(i) * si, p + world.GetRow3(j) * sj}, kOrange};
        _system->DrawLines(lines, count);
    }
    if (_flags & DF_NODE_LINKS)
        DrawLink(node);
    return true;
}

bool DebugRenderVisitor::Visit(Group& node)
{
    if (!_system)
        return true;
    if (_flags & DF_AXES)
        DrawAxes(node);
    if (_flags & DF_NODE_LINKS)
        DrawLink(node);
    if (_flags & DF_GROUPS)
        DrawBoxEdges(node.GetWorldBounds(), _scene && &node == _scene->GetStageRoot() ? kMagenta : kYellow);
    return true;
}

bool DebugRenderVisitor::Visit(Renode& node)
{
    if (!_system || !(_flags & DF_BOUNDS))
        return true;
    const Bounds& bounds = node.GetWorldBounds();
    DrawBoxEdges(bounds, kGreen);
    // Two triangles per face: the face of axis a at the minimum or maximum side.
    static const int faces[6][4] = {{0, 2, 4, 6}, {1, 3, 5, 7}, {0, 1, 4, 5}, {2, 3, 6, 7}, {0, 1, 2, 3}, {4, 5, 6, 7}};
    HelperTriangle triangles[12];
    for (int f = 0; f < 6; ++f)
    {
        const Vec3 c[4] = {Corner(bounds, faces[f][0]), Corner(bounds, faces[f][1]), Corner(bounds, faces[f][2]),
                           Corner(bounds, faces[f][3])};
        triangles[f * 2] = {{c[0], c[1], c[2]}, kGreenFaces};
        triangles[f * 2 + 1] = {{c[2], c[1], c[3]}, kGreenFaces};
    }
    _system->DrawTriangles(triangles, 12);
    return true;
}
