#pragma once

#include "foundation/math/Frustum.h"
#include "foundation/math/Projection.h"
#include "scene/nodes/Bone.h"

class MaterialSystem;

enum eCameraMode : unsigned
{
    CM_PERSPECTIVE = 0,
    CM_ORTHOGRAPHIC = 1,
};

// A bone that looks along its Dir axis: view matrix, projection (depth 0..1) and frustum,
// rebuilt lazily. A change of field of view, aspect or clip planes reaches the projection at
// once but the frustum only with the next move, which the render scene makes every frame.
class Camera : public Bone
{
public:
    Camera(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_CAMERA; }
    void WriteToDesc(NodeDesc& desc) const override;
    void ReadFromDesc(const NodeDesc& desc) override;
    void ForceUpdate() override;

    void SetCameraMode(eCameraMode mode);
    void SetFov(float degrees);
    void SetFovDefault(float degrees);
    void SetAspectRatio(float aspect);
    void SetFarClip(float distance);
    void SetNearClip(float distance);
    void SetViewport(const Rect& viewport) { _viewport = viewport; }
    void SetViewport(float left, float top, float width, float height) { _viewport = Rect{left, top, width, height}; }
    eCameraMode GetCameraMode() const { return _mode; }
    float GetFov() const { return _fov; }
    float GetFovDefault() const { return _fovDefault; }
    float GetAspectRatio() const { return _aspect; }
    float GetFarClip() const { return _farClip; }
    float GetNearClip() const { return _nearClip; }
    const Rect& GetViewport() const { return _viewport; }

    const Matrix& GetViewMatrix() const;
    const Matrix& GetProjMatrix() const;
    const Frustum& GetFrustum() const;

    // Pixels of the device's current viewport (z is 1); true always. Off the viewport or behind
    // the camera both coordinates are the most negative float.
    bool WorldToScreen(const Vec3& world, MaterialSystem* system, Vec3& out) const;
    // The same without the viewport test; `behind` tells a point behind the camera.
    bool WorldToScreenNoScissor(const Vec3& world, MaterialSystem* system, Vec3& out, bool& behind) const;
    // The world point under a pixel of the device's viewport, at depth 0.5 of its range.
    void ScreenToWorld(float x, float y, MaterialSystem* system, Vec3& out) const;

    // Moves the camera to the world origin, remembering where it was; RestorePosition puts it
    // back and rebuilds the world matrix.
    void ResetPosition();
    void RestorePosition();

    // The render settings' "LodDistance" (10 without a scene).
    unsigned GetLodDistanceCoeff() const;
    float GetLodAdjustCoeff() const { return 1.0f; }

private:
    void UpdateViewMatrix() const;
    void UpdateFrustum() const;

    eCameraMode _mode = CM_PERSPECTIVE;
    float _fov = 85.0f;
    float _fovDefault = 60.0f;
    float _nearClip = 1.0f;
    float _farClip = 500.0f;
    float _aspect = 1.333333f;
    Rect _viewport{0.0f, 0.0f, 100.0f, 100.0f};
    Vec3 _savedPosition{0.0f, 0.0f, 0.0f};
    mutable Matrix _view = Matrix::Ident();
    mutable Matrix _projection = Matrix::Ident();
    mutable Matrix _viewProjection = Matrix::Ident();
    mutable Frustum _frustum;
};
