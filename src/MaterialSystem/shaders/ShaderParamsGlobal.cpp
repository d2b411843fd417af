#include "MaterialSystem/shaders/ShaderParamsGlobal.h"

ShaderParamsGlobal::ShaderParamsGlobal()
{
    AddMatrixRef("Projection", &_projection);
    AddMatrixRef("View", &_view);
    AddMatrixRef("ViewInversed", &_viewInversed);
    AddMatrixRef("ViewProjection", &_viewProjection);
    AddMatrixRef("ViewProjectionInversed", &_viewProjectionInversed);
    AddMatrixRef("ProjectionInversed", &_projectionInversed);
    AddVectorRef("EyePosition", &_eyePosition);
    AddVectorRef("EyeDirection", &_eyeDirection);
    AddVectorRef("SunDirection", &_sun.direction);
    AddColorRef("SunDiffuse", &_sun.diffuse);
    AddColorRef("SunSpecular", &_sun.specular);
    AddColorRef("SunAmbient", &_sun.ambient);
    AddFloatRef("SunDiffusePower", &_sun.diffusePower);
    AddFloatRef("SunSpecularPower", &_sun.specularPower);
    AddFloatRef("SunAmbientPower", &_sun.ambientPower);
    AddFloatRef("ElapsedTime", &_elapsedTime);
    AddFloatRef("FarClipPlane", &_farClipPlane);
    AddFloatRef("NearClipPlane", &_nearClipPlane);
    AddFloatRef("ScreenWidth", &_screenWidth);
    AddFloatRef("ScreenHeight", &_screenHeight);
    AddFloatRef("MotionBloorKoef", &_motionBloorKoef);
    AddFloatRef("AAWeight", &_aaWeight);
    AddVectorRef("OmniPosition", &_omni.position);
    AddColorRef("OmniAttenuation", &_omni.attenuation);
    AddColorRef("OmniDiffuse", &_omni.diffuse);
    AddColorRef("OmniSpecular", &_omni.specular);
    AddFloatRef("OmniRange", &_omni.range);
    AddFloatRef("OmniIntensity", &_omni.intensity);
    BindDefaultShader();
}

void ShaderParamsGlobal::SetViewTransform(const Matrix* view) { _view = view ? *view : Matrix::Ident(); }

void ShaderParamsGlobal::SetProjectionTransform(const Matrix* projection)
{
    _projection = projection ? *projection : Matrix::Ident();
}

void ShaderParamsGlobal::SetClipPlanes(float farPlane, float nearPlane)
{
    _farClipPlane = farPlane;
    _nearClipPlane = nearPlane;
}

void ShaderParamsGlobal::SetScreenParams(float width, float height)
{
    _screenWidth = width;
    _screenHeight = height;
    if (width == 800.0f && height == 600.0f)
        _aaWeight = 3.5f;
    else if (width == 1280.0f && height == 960.0f)
        _aaWeight = 1.0f;
    else
        _aaWeight = 3.0f;
}

void ShaderParamsGlobal::ApplyToShader(void* context)
{
    _viewInversed = _view.Inversed();
    _viewProjection = _view * _projection;
    _viewProjectionInversed = _viewProjection.Inversed();
    _projectionInversed = _projection.Inversed();
    _eyePosition = _viewInversed.Pos();
    _eyeDirection = _viewInversed.Dir();
    if (_eyeDirection.LengthSquared() > 0.0f)
        _eyeDirection.Normalize();
    ShaderParams::ApplyToShader(context);
}
