#pragma once

#include "MaterialSystem/draw/DrawTypes.h"
#include "scene/visitors/NodeVisitor.h"

class MaterialSystem;
class RenderScene;
struct Bounds;

// What the debug pass draws, from the render settings.
enum eDebugFlags : unsigned long
{
    DF_AXES = 0x01,       // "ShowAxes": bones and groups
    DF_BOUNDS = 0x02,     // "ShowBounds": renodes
    DF_BONES = 0x04,      // "ShowBones": bones
    DF_NODE_LINKS = 0x08, // "ShowNodeLinks": bones and groups under a parent
    DF_GROUPS = 0x10,     // "ShowGroups": groups
};

// Draws the scene's skeleton as helper lines and triangles: axes, bone shapes, links to the
// parent, group and renode bounds.
class DebugRenderVisitor : public NodeVisitor
{
public:
    DebugRenderVisitor(unsigned long flags, RenderScene* scene);

    using NodeVisitor::Visit;
    bool Visit(Group& node) override;
    bool Visit(Renode& node) override;
    bool Visit(Bone& node) override;

private:
    void DrawAxes(const Bone& node);
    void DrawLink(const Bone& node);
    void DrawBoxEdges(const Bounds& bounds, uint32_t color);

    unsigned long _flags;
    RenderScene* _scene;
    MaterialSystem* _system;
};
