#include "scene/nodes/Bone.h"

#include "foundation/base/Dumper.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/NodeDesc.h"
#include "scene/visitors/NodeVisitor.h"
#include "scene/visitors/UtilityVisitors.h"

#include <cmath>

namespace {

constexpr float kDegreesToRadians = 0.017453f;

bool IsFinite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

} // namespace

Bone::Bone(Group* root, RenderScene* scene) : Node(root, scene) { Moved(); }

bool Bone::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool Bone::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

void Bone::WriteToDesc(NodeDesc& desc) const
{
    Node::WriteToDesc(desc);
    desc.SetSize(NodeDesc::BoneSize);
    desc.SetVec3(NodeDesc::Position, _localPos);
    desc.SetVec3(NodeDesc::Scale, _localScale);
    desc.SetQuaternion(NodeDesc::Orientation, _localOrientation);
}

// Values that are not numbers would poison every pose below; they keep the defaults.
void Bone::ReadFromDesc(const NodeDesc& desc)
{
    Node::ReadFromDesc(desc);
    const Vec3 position = desc.GetVec3(NodeDesc::Position);
    const Vec3 scale = desc.GetVec3(NodeDesc::Scale);
    Quaternion orientation = desc.GetQuaternion(NodeDesc::Orientation);
    const float length = orientation.LengthSquared();
    const bool finite = IsFinite(position) && IsFinite(scale) && std::isfinite(length);
    if (!finite || length == 0.0f)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Node \"%s\": pose is not a number, the default pose is kept\n",
                                 GetName().Str());
        return;
    }
    SetPosition(position);
    SetScale(scale);
    SetOrientation(orientation);
}

void Bone::Attach(Node* node)
{
    if (!node || node == this)
        return;
    if (Node* parent = node->GetParentNode())
        parent->RemoveChild(node);
    AddChild(node);
    Moved();
}

void Bone::Detach()
{
    if (!HasNoRootParent())
        return;
    // The pose read under the old parent, given again relative to the layer root.
    const Vec3 position = GetGlobalPos();
    const Vec3 scale = GetGlobalScale();
    const Quaternion orientation = GetGlobalOrientation();
    GetParentNode()->RemoveChild(this);
    if (Group* root = GetRoot())
        root->AddChild(this);
    _localPos = position;
    _localScale = scale;
    _localOrientation = orientation;
    Moved();
}

void Bone::ForceUpdate() { RaiseFlag(NF_POSE_STALE | NF_MATRIX_STALE); }

const Bone* Bone::PoseParent() const { return HasNoRootParent() ? GetParentNode()->AsBone() : nullptr; }

void Bone::UpdateTransform() const
{
    if (!HasFlag(NF_POSE_STALE))
        return;
    if (const Bone* parent = PoseParent())
    {
        const Quaternion& parentOrientation = parent->GetGlobalOrientation();
        const Vec3& parentScale = parent->GetGlobalScale();
        _globalOrientation = parentOrientation * _localOrientation;
        _globalPos = parentOrientation * (_localPos * parentScale) + parent->GetGlobalPos();
        _globalScale = _inheritScale ? _localScale * parentScale : _localScale;
    }
    else
    {
        _globalOrientation = _localOrientation;
        _globalPos = _localPos;
        _globalScale = _localScale;
    }
    ClearFlags(NF_POSE_STALE);
}

// Scaled along the bone's own axes, then turned: each row is an axis times its scale, which
// is how SetLocalPose and the positions of child bones read it.
void Bone::UpdateWorldMatrix() const
{
    if (!HasFlag(NF_MATRIX_STALE))
        return;
    _prevWorldMatrix = _worldMatrix;
    UpdateTransform();
    Matrix rotation = Matrix::Ident();
    _globalOrientation.ToMatrix(rotation);
    Matrix scaling;
    scaling.FromScaling(_globalScale);
    const Matrix world = scaling * rotation;
    for (int row = 0; row < 3; ++row)
        _worldMatrix.SetRow(row, world.GetRow3(row));
    _worldMatrix.SetRow(3, _globalPos);
    ClearFlags(NF_MATRIX_STALE);
}

const Vec3& Bone::GetGlobalPos() const
{
    UpdateTransform();
    return _globalPos;
}

const Vec3& Bone::GetGlobalScale() const
{
    UpdateTransform();
    return _globalScale;
}

const Quaternion& Bone::GetGlobalOrientation() const
{
    UpdateTransform();
    return _globalOrientation;
}

const Matrix& Bone::GetWorldMatrix() const
{
    UpdateWorldMatrix();
    return _worldMatrix;
}

void Bone::SetPosition(const Vec3& position)
{
    _localPos = position;
    Moved();
}

void Bone::SetScale(const Vec3& scale)
{
    _localScale = scale;
    Moved();
}

void Bone::SetOrientation(const Quaternion& orientation)
{
    _localOrientation = orientation;
    Moved();
}

void Bone::SetOrientation(const Vec3& right, const Vec3& up, const Vec3& dir)
{
    _localOrientation.FromOrientation(right, up, dir);
    Moved();
}

void Bone::SetLocalPose(const Matrix& pose)
{
    _localPos = pose.GetRow3(3);
    _localScale.Set(pose.GetRow3(0).Length(), pose.GetRow3(1).Length(), pose.GetRow3(2).Length());
    Vec3 axes[3];
    for (int i = 0; i < 3; ++i)
    {
        axes[i] = pose.GetRow3(i);
        if (_localScale[i] > 0.0f)
            axes[i] /= _localScale[i];
    }
    _localOrientation.FromOrientation(axes[0], axes[1], axes[2]);
    Moved();
}

void Bone::InheritScale(bool inherit)
{
    _inheritScale = inherit;
    Moved();
}

void Bone::Scale(const Vec3& amount)
{
    _localScale += amount;
    Moved();
}

void Bone::Translate(const Vec3& offset, eCoordSpace space)
{
    switch (space)
    {
    case CS_PARENT: _localPos += offset; break;
    case CS_WORLD:
        if (const Bone* parent = PoseParent())
        {
            Quaternion inverse;
            parent->GetGlobalOrientation().Inversed(inverse);
            _localPos += inverse * offset;
        }
        else
        {
            _localPos += offset;
        }
        break;
    case CS_LOCAL: _localPos += _localOrientation * offset; break;
    }
    Moved();
}

void Bone::Rotate(const Quaternion& rotation, eCoordSpace space)
{
    Quaternion inverse;
    switch (space)
    {
    case CS_PARENT:
        _localOrientation.Inversed(inverse);
        _localOrientation = _localOrientation * (inverse * rotation);
        break;
    case CS_WORLD:
        GetGlobalOrientation().Inversed(inverse);
        _localOrientation = _localOrientation * (inverse * rotation);
        break;
    case CS_LOCAL: _localOrientation = _localOrientation * rotation; break;
    }
    Moved();
}

void Bone::Rotate(const Vec3& axis, float degrees, eCoordSpace space)
{
    Quaternion rotation;
    rotation.FromAxisAngle(axis, degrees * kDegreesToRadians);
    Rotate(rotation, space);
}

void Bone::NeedUpdate()
{
    if (!HasFlag(NF_MOVED))
    {
        NotificationVisitor notification;
        Traverse(notification, TM_PARENTS);
    }
    RaiseFlag(NF_SUBTREE_MOVED | NF_MOVED);
}
