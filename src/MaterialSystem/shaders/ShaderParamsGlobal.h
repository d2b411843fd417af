#pragma once

#include "MaterialSystem/shaders/LightSources.h"
#include "MaterialSystem/shaders/ShaderParams.h"
#include "foundation/math/Matrix.h"
#include "foundation/math/Vec3.h"

// The per-view values (camera, sun, omni light, screen, time), applied once per frame. Bound
// to the proxy shader; other effects see them through the shared parameters of the pool.
class ShaderParamsGlobal : public ShaderParams
{
public:
    ShaderParamsGlobal();

    // Derives the inverses, the view-projection and the eye from view and projection first.
    void ApplyToShader(void* context) override;

    void SetViewTransform(const Matrix* view);             // null: identity
    void SetProjectionTransform(const Matrix* projection); // null: identity
    void SetSunLighting(const SunSource& sun) { _sun = sun; }
    void SetOmniSource(const OmniSource& omni) { _omni = omni; }
    void SetElapsedTime(float seconds) { _elapsedTime = seconds; }
    void SetClipPlanes(float farPlane, float nearPlane);
    void SetMotionBloorKoef(float koef) { _motionBloorKoef = koef; }
    // Also picks the anti-aliasing weight of the screen size.
    void SetScreenParams(float width, float height);

    const Matrix& GetProjection() const { return _projection; }
    const Matrix& GetView() const { return _view; }
    const Matrix& GetViewInversed() const { return _viewInversed; }
    const Matrix& GetViewProjection() const { return _viewProjection; }
    const Matrix& GetViewProjectionInversed() const { return _viewProjectionInversed; }
    const Matrix& GetProjectionInversed() const { return _projectionInversed; }
    const Vec3& GetEyePosition() const { return _eyePosition; }
    const Vec3& GetEyeDirection() const { return _eyeDirection; }
    const SunSource& GetSunLighting() const { return _sun; }
    const OmniSource& GetOmniSource() const { return _omni; }
    float GetElapsedTime() const { return _elapsedTime; }
    float GetFarClipPlane() const { return _farClipPlane; }
    float GetNearClipPlane() const { return _nearClipPlane; }
    float GetScreenWidth() const { return _screenWidth; }
    float GetScreenHeight() const { return _screenHeight; }
    float GetMotionBloorKoef() const { return _motionBloorKoef; }
    float GetAAWeight() const { return _aaWeight; }

private:
    Matrix _projection{1.0f}, _view{1.0f}, _viewInversed{1.0f}, _viewProjection{1.0f};
    Matrix _viewProjectionInversed{1.0f}, _projectionInversed{1.0f};
    Vec3 _eyePosition{0.0f, 0.0f, 0.0f}, _eyeDirection{0.0f, 0.0f, 1.0f};
    float _elapsedTime = 0.0f;
    float _farClipPlane = 1.0f, _nearClipPlane = 0.0f;
    float _screenWidth = 0.0f, _screenHeight = 0.0f;
    float _motionBloorKoef = 0.0f;
    float _aaWeight = 3.0f;
    SunSource _sun;
    OmniSource _omni;
};
