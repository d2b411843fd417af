#pragma once

#include "foundation/math/Matrix.h"
#include "foundation/math/Quaternion.h"
#include "foundation/math/Vec3.h"
#include "scene/nodes/Node.h"

// A node with a pose: local position, scale and orientation relative to its parent bone, and
// the global pose and world matrix derived from them, recomputed lazily when a move flags them.
class Bone : public Node
{
public:
    Bone(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_BONE; }
    void WriteToDesc(NodeDesc& desc) const override;
    void ReadFromDesc(const NodeDesc& desc) override;
    Bone* AsBone() override { return this; }
    const Bone* AsBone() const override { return this; }

    // Takes the node from any parent and hangs it under this bone; only this bone is flagged,
    // so the node's cached pose is the old one until the next transform pass.
    virtual void Attach(Node* node);
    // Moves this bone from its parent to its layer root, keeping its world pose.
    virtual void Detach();
    // Marks the global pose and the world matrix stale.
    virtual void ForceUpdate();
    // Recomputes the global pose from the parent's when it is stale.
    virtual void UpdateTransform() const;
    // Rebuilds the world matrix from the global pose when it is stale.
    void UpdateWorldMatrix() const;

    const Vec3& GetLocalPos() const { return _localPos; }
    const Vec3& GetLocalScale() const { return _localScale; }
    const Quaternion& GetLocalOrientation() const { return _localOrientation; }
    const Vec3& GetGlobalPos() const;
    const Vec3& GetGlobalScale() const;
    const Quaternion& GetGlobalOrientation() const;
    const Matrix& GetWorldMatrix() const;
    const Matrix& GetPrevWorldMatrix() const { return _prevWorldMatrix; }

    void SetPosition(float x, float y, float z) { SetPosition(Vec3(x, y, z)); }
    void SetPosition(const Vec3& position);
    void SetScale(float x, float y, float z) { SetScale(Vec3(x, y, z)); }
    void SetScale(const Vec3& scale);
    void SetOrientation(const Quaternion& orientation);
    void SetOrientation(const Vec3& right, const Vec3& up, const Vec3& dir);
    // Position from row 3, scale from the lengths of rows 0 to 2, orientation from the rows
    // divided by those lengths: the world matrix of a bone under its layer root rebuilds it.
    void SetLocalPose(const Matrix& pose);
    // Overwrites the world matrix only, until the next rebuild replaces it.
    void SetGlobalPose(const Matrix& pose) { _worldMatrix = pose; }
    void InheritScale(bool inherit);

    // Adds to the local scale.
    void Scale(float x, float y, float z) { Scale(Vec3(x, y, z)); }
    void Scale(const Vec3& amount);
    void Translate(const Vec3& offset, eCoordSpace space);
    void Translate(float x, float y, float z, eCoordSpace space) { Translate(Vec3(x, y, z), space); }
    void Rotate(const Quaternion& rotation, eCoordSpace space);
    void Rotate(const Vec3& axis, float degrees, eCoordSpace space);
    void Roll(float degrees, eCoordSpace space) { Rotate(Vec3::UnitZ(), degrees, space); }
    void Pitch(float degrees, eCoordSpace space) { Rotate(Vec3::UnitX(), degrees, space); }
    void Yaw(float degrees, eCoordSpace space) { Rotate(Vec3::UnitY(), degrees, space); }

protected:
    // Flags this bone as moved and, the first time since the last pass, its ancestors.
    void NeedUpdate();
    void Moved()
    {
        NeedUpdate();
        ForceUpdate();
    }

private:
    // The parent whose pose this bone's is relative to; null under a layer root or a node
    // without a pose.
    const Bone* PoseParent() const;

    mutable Matrix _worldMatrix = Matrix::Ident();
    mutable Matrix _prevWorldMatrix = Matrix::Ident();
    Vec3 _localScale{1.0f, 1.0f, 1.0f};
    Vec3 _localPos{0.0f, 0.0f, 0.0f};
    Quaternion _localOrientation = Quaternion::identity;
    bool _inheritScale = true;
    mutable Vec3 _globalScale{1.0f, 1.0f, 1.0f};
    mutable Vec3 _globalPos{0.0f, 0.0f, 0.0f};
    mutable Quaternion _globalOrientation = Quaternion::identity;
};
