#include "scene/nodes/Group.h"

#include "scene/visitors/NodeVisitor.h"

Group::Group(Group* root, RenderScene* scene) : Bone(root, scene)
{
    if (!root)
        SetRoot(this);
    ResetBounds();
}

bool Group::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool Group::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }
