#include "scene/nodes/Camera.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/VideoSettings.h"
#include "scene/RenderScene.h"
#include "scene/nodes/NodeDesc.h"
#include "scene/visitors/NodeVisitor.h"

#include <cmath>

namespace {

constexpr float kDegreesToRadians = 0.017453f;
constexpr float kOffScreen = -3.4028235e38f;

// The device's current viewport; none without a device.
bool DeviceViewport(MaterialSystem* system, gfx::Viewport& viewport)
{
    gfx::Device* device = system ? system->GetDevice() : nullptr;
    if (!device)
        return false;
    viewport = device->GetViewport();
    return viewport.width > 0 && viewport.height > 0;
}

// Projections that divide by nothing: a positive field of view below 180 degrees, a positive
// aspect and 0 < near < far, all finite.
bool IsUsableProjection(float fov, float aspect, float nearClip, float farClip)
{
    const bool finite =
        std::isfinite(fov) && std::isfinite(aspect) && std::isfinite(nearClip) && std::isfinite(farClip);
    return finite && fov > 0.0f && fov < 180.0f && aspect > 0.0f && nearClip > 0.0f && farClip > nearClip;
}

} // namespace

Camera::Camera(Group* root, RenderScene* scene) : Bone(root, scene)
{
    // The base constructor flagged the pose only: the view and the frustum are stale too.
    RaiseFlag(NF_VIEW_STALE | NF_FRUSTUM_STALE);
}

bool Camera::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool Camera::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

void Camera::WriteToDesc(NodeDesc& desc) const
{
    Bone::WriteToDesc(desc);
    desc.SetSize(NodeDesc::CameraSize);
    desc.SetU32(NodeDesc::CameraMode, _mode);
    desc.SetFloat(NodeDesc::Fov, _fov);
    desc.SetFloat(NodeDesc::Aspect, _aspect);
    desc.SetFloat(NodeDesc::NearClip, _nearClip);
    desc.SetFloat(NodeDesc::FarClip, _farClip);
    desc.SetFloat(NodeDesc::Viewport, _viewport.left);
    desc.SetFloat(NodeDesc::Viewport + 4, _viewport.top);
    desc.SetFloat(NodeDesc::Viewport + 8, _viewport.width);
    desc.SetFloat(NodeDesc::Viewport + 12, _viewport.height);
}

void Camera::ReadFromDesc(const NodeDesc& desc)
{
    Bone::ReadFromDesc(desc);
    SetCameraMode(static_cast<eCameraMode>(desc.GetU32(NodeDesc::CameraMode)));
    const float fov = desc.GetFloat(NodeDesc::Fov), aspect = desc.GetFloat(NodeDesc::Aspect);
    const float nearClip = desc.GetFloat(NodeDesc::NearClip), farClip = desc.GetFloat(NodeDesc::FarClip);
    if (IsUsableProjection(fov, aspect, nearClip, farClip))
    {
        SetFov(fov);
        SetAspectRatio(aspect);
        SetNearClip(nearClip);
        SetFarClip(farClip);
    }
    else
    {
        Dumper::Instance().Print(DUMP_WARNING, "Camera \"%s\": unusable projection, the defaults are kept\n",
                                 GetName().Str());
    }
    SetViewport(desc.GetFloat(NodeDesc::Viewport), desc.GetFloat(NodeDesc::Viewport + 4),
                desc.GetFloat(NodeDesc::Viewport + 8), desc.GetFloat(NodeDesc::Viewport + 12));
}

void Camera::ForceUpdate()
{
    Bone::ForceUpdate();
    RaiseFlag(NF_VIEW_STALE | NF_FRUSTUM_STALE);
}

void Camera::SetCameraMode(eCameraMode mode)
{
    _mode = mode;
    RaiseFlag(NF_VIEW_STALE);
}

void Camera::SetFov(float degrees)
{
    _fov = degrees;
    RaiseFlag(NF_VIEW_STALE);
}

void Camera::SetFovDefault(float degrees)
{
    _fovDefault = degrees;
    RaiseFlag(NF_VIEW_STALE);
}

void Camera::SetAspectRatio(float aspect)
{
    _aspect = aspect;
    RaiseFlag(NF_VIEW_STALE);
}

void Camera::SetFarClip(float distance)
{
    _farClip = distance;
    RaiseFlag(NF_VIEW_STALE);
}

void Camera::SetNearClip(float distance)
{
    _nearClip = distance;
    RaiseFlag(NF_VIEW_STALE);
}

const Matrix& Camera::GetViewMatrix() const
{
    UpdateViewMatrix();
    return _view;
}

const Matrix& Camera::GetProjMatrix() const
{
    UpdateViewMatrix();
    return _projection;
}

const Frustum& Camera::GetFrustum() const
{
    UpdateFrustum();
    return _frustum;
}

void Camera::UpdateViewMatrix() const
{
    if (!HasFlag(NF_VIEW_STALE))
        return;
    _view = GetWorldMatrix().Inversed();
    if (_mode == CM_PERSPECTIVE)
    {
        _projection.FromPerspective(_fov * kDegreesToRadians, _aspect, _nearClip, _farClip);
    }
    else if (_mode == CM_ORTHOGRAPHIC)
    {
        const MaterialSystem* system = GetScene() ? GetScene()->GetMaterialSystem() : nullptr;
        const VideoSettings* video = system ? system->GetSettings() : nullptr;
        const float width = video ? float(video->ScrWidth) : 800.0f;
        const float height = video && video->ScrHeight > 0 ? float(video->ScrHeight) : 600.0f;
        _projection.FromOrtho(width / height, 1.0f, _nearClip, _farClip);
    }
    ClearFlags(NF_VIEW_STALE);
}

void Camera::UpdateFrustum() const
{
    if (!HasFlag(NF_FRUSTUM_STALE))
        return;
    UpdateViewMatrix();
    _viewProjection = _view * _projection;
    _frustum.FromMatrix(_viewProjection);
    ClearFlags(NF_FRUSTUM_STALE);
}

bool Camera::WorldToScreen(const Vec3& world, MaterialSystem* system, Vec3& out) const
{
    gfx::Viewport viewport;
    if (!DeviceViewport(system, viewport))
    {
        out.Set(kOffScreen, kOffScreen, 1.0f);
        return true;
    }
    ProjectVector(world, GetViewMatrix() * GetProjMatrix(), float(viewport.width), float(viewport.height), out);
    return true;
}

bool Camera::WorldToScreenNoScissor(const Vec3& world, MaterialSystem* system, Vec3& out, bool& behind) const
{
    gfx::Viewport viewport;
    if (!DeviceViewport(system, viewport))
    {
        out.Set(kOffScreen, kOffScreen, 1.0f);
        behind = false;
        return true;
    }
    ProjectVectorNoScissor(world, GetViewMatrix() * GetProjMatrix(), float(viewport.width), float(viewport.height), out,
                           behind);
    return true;
}

void Camera::ScreenToWorld(float x, float y, MaterialSystem* system, Vec3& out) const
{
    gfx::Viewport viewport;
    if (!DeviceViewport(system, viewport))
    {
        out = GetGlobalPos();
        return;
    }
    const float depthRange = viewport.maxZ - viewport.minZ;
    const Vec3 ndc((x - float(viewport.x)) / float(viewport.width) * 2.0f - 1.0f,
                   1.0f - (y - float(viewport.y)) / float(viewport.height) * 2.0f,
                   depthRange != 0.0f ? (0.5f - viewport.minZ) / depthRange : 0.5f);
    (GetViewMatrix() * GetProjMatrix()).Inversed().Transform(ndc, out);
}

void Camera::ResetPosition()
{
    _savedPosition = GetLocalPos();
    Translate(-GetGlobalPos(), CS_PARENT);
}

void Camera::RestorePosition()
{
    SetPosition(_savedPosition);
    GetWorldMatrix();
}

unsigned Camera::GetLodDistanceCoeff() const
{
    const RenderSettings* settings = GetScene() ? GetScene()->GetSettings() : nullptr;
    return settings ? settings->LodDistance : 10u;
}
