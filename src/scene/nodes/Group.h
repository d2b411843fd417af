#pragma once

#include "foundation/math/Bounds.h"
#include "scene/nodes/Bone.h"

// A bone with the world bounds of everything below it, rebuilt by the transform pass; the
// layer roots are groups. Undefined bounds (nothing drawn below) never cull.
class Group : public Bone
{
public:
    // Without a root the group is its own root.
    Group(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_GROUP; }

    const Bounds& GetWorldBounds() const { return _worldBounds; }
    void ResetBounds() { _worldBounds.SetUndefined(); }
    void MergeBounds(const Bounds& bounds) { _worldBounds.Merge(bounds); }

private:
    Bounds _worldBounds;
};
