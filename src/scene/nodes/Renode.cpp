#include "scene/nodes/Renode.h"

#include "scene/nodes/Bone.h"
#include "scene/nodes/Camera.h"
#include "scene/visitors/NodeVisitor.h"

Renode::Renode(Group* root, RenderScene* scene) : Node(root, scene) {}

bool Renode::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool Renode::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

const Matrix& Renode::GetParentWorldMatrix() const
{
    const Bone* parent = GetParent();
    return parent ? parent->GetWorldMatrix() : Matrix::Ident();
}

Vec3 Renode::GetParentPosition() const
{
    const Bone* parent = GetParent();
    return parent ? parent->GetGlobalPos() : Vec3(0.0f);
}

void Renode::UpdateCameraBasedParams(Camera* camera, unsigned maxLod)
{
    _cameraDistance = camera ? camera->GetGlobalPos().DistanceSquared(GetParentPosition()) : 0.0f;
    _currentLod = 0;
    if (maxLod == 0 || !camera)
        return;
    Vec3 size;
    _worldBounds.GetSize(size);
    const float reach = size.MaxElement() * float(camera->GetLodDistanceCoeff());
    const float distance = _cameraDistance * camera->GetLodAdjustCoeff();
    for (unsigned k = 0; k <= maxLod; ++k)
    {
        const float limit = float(k + 1) * reach;
        if (limit * limit >= distance)
        {
            _currentLod = k;
            return;
        }
    }
    _currentLod = maxLod;
}
