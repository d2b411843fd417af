#pragma once

#include "scene/visitors/NodeVisitor.h"

#include <vector>

struct Bounds;

// The transform pass over one layer root: recomputes the pose of every bone below a moved one
// and the bounds of every group on a moved bone's path; a group with nothing moved below it is
// not descended, its bounds are merged as they are. clear() between roots.
class TransformVisitor : public NodeVisitor
{
public:
    TransformVisitor() { clear(); }
    void clear();

    using NodeVisitor::PostVisit;
    using NodeVisitor::Visit;
    bool Visit(ParticleSet& node) override;
    bool Visit(Group& node) override;
    bool Visit(Renode& node) override;
    bool Visit(Bone& node) override;
    bool PostVisit(Group& node) override;
    bool PostVisit(Bone& node) override;

private:
    // Whether the group was pushed by its visit (its flags are still raised at its post-visit).
    bool IsRebuilt(const Group& node) const;
    void MergeIntoTop(const Bounds& bounds);

    Bone* _movedBone = nullptr;
    std::vector<Group*> _groups;
    bool _insideMoved = false;
};
