#include "scene/visitors/UtilityVisitors.h"

#include "scene/particles/Emitter.h"
#include "scene/nodes/LensFlare.h"
#include "scene/nodes/Model.h"

bool UpdateVisitor::Visit(LensFlare& node)
{
    node.Update(_seconds);
    return true;
}

bool UpdateVisitor::Visit(Emitter& node)
{
    node.Update(_seconds);
    return true;
}

bool NotificationVisitor::Visit(Bone& node)
{
    if (node.HasFlag(NF_SUBTREE_MOVED))
        return false;
    node.RaiseFlag(NF_SUBTREE_MOVED);
    return true;
}

bool ModelIdMarkersBuilder::Visit(Node& node)
{
    _model->AddMarker(&node);
    return true;
}
