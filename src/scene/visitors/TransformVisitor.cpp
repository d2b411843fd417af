#include "scene/visitors/TransformVisitor.h"

#include "scene/nodes/Group.h"
#include "scene/particles/ParticleSet.h"

void TransformVisitor::clear()
{
    _movedBone = nullptr;
    _groups.clear();
    _insideMoved = false;
}

bool TransformVisitor::Visit(Bone& node)
{
    if (_insideMoved)
        node.ForceUpdate();
    node.UpdateTransform();
    node.UpdateWorldMatrix();
    if (node.HasFlag(NF_MOVED) && !_insideMoved)
    {
        _movedBone = &node;
        _insideMoved = true;
    }
    return true;
}

bool TransformVisitor::IsRebuilt(const Group& node) const
{
    return node.HasFlag(NF_SUBTREE_MOVED | NF_MOVED) || _insideMoved;
}

void TransformVisitor::MergeIntoTop(const Bounds& bounds)
{
    if (!_groups.empty())
        _groups.back()->MergeBounds(bounds);
}

bool TransformVisitor::Visit(Group& node)
{
    Visit(static_cast<Bone&>(node));
    if (IsRebuilt(node))
    {
        node.ResetBounds();
        _groups.push_back(&node);
        return true;
    }
    MergeIntoTop(node.GetWorldBounds());
    return false;
}

bool TransformVisitor::PostVisit(Group& node)
{
    if (IsRebuilt(node) && !_groups.empty())
    {
        _groups.pop_back();
        MergeIntoTop(node.GetWorldBounds());
    }
    return PostVisit(static_cast<Bone&>(node));
}

bool TransformVisitor::PostVisit(Bone& node)
{
    if (&node == _movedBone)
    {
        _movedBone = nullptr;
        _insideMoved = false;
    }
    node.ClearFlags(NF_SUBTREE_MOVED | NF_MOVED | NF_POSE_STALE | NF_MATRIX_STALE);
    return true;
}

bool TransformVisitor::Visit(Renode& node)
{
    node.UpdateBounds(node.GetParentWorldMatrix());
    MergeIntoTop(node.GetWorldBounds());
    return true;
}

bool TransformVisitor::Visit(ParticleSet& node)
{
    if (node.GetTotalParticles() == 0)
        return true;
    return Visit(static_cast<Renode&>(node));
}
