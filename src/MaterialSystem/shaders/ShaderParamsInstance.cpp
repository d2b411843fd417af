#include "MaterialSystem/shaders/ShaderParamsInstance.h"

#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "foundation/base/Assert.h"
#include "platform/effect/Effect.h"

Matrix ShaderParamsInstance::matWorldViewProj{1.0f};

ShaderParamsInstance::ShaderParamsInstance()
{
    AddMatrixRef("World", &_world);
    AddMatrixRef("WorldViewProjection", &matWorldViewProj);
    AddFloatRef("Animation", &_animation);
    AddFloatRef("ViewDepth", &_viewDepth);
    BindDefaultShader();
    if (_effect)
        _worldInstances = _effect->GetParameterBySemantic("WorldInstances");
}

void ShaderParamsInstance::ApplyToShader(void* context)
{
    if (context)
        matWorldViewProj = _world * static_cast<ShaderParamsGlobal*>(context)->GetViewProjection();
    ShaderParams::ApplyToShader(context);
    if (_effect && _worldInstances != fx::kNoHandle)
    {
        const float* world = _world.m;
        _effect->SetMatrixPointerArray(_worldInstances, &world, 1);
    }
}

void ShaderParamsBatch::AddInstanceMatrix(const Matrix* world)
{
    // The batch size setting is clamped to this bound before any batch is built.
    if (_count >= MaxInstances)
        ExecRuntimeAssert("_count < MaxInstances", nullptr, __FILE__, __LINE__, "Too many instances in one batch");
    _matrices[_count++] = world ? world->m : Matrix::Ident().m;
}

void ShaderParamsBatch::ApplyToShader(void*)
{
    if (_count == 0)
        return;
    ShaderLib* library = ShaderLib::GetInstance();
    Shader* proxy = library->GetProxyShader();
    if (proxy && proxy->GetD3DEffect())
        proxy->GetD3DEffect()->SetMatrixPointerArray(library->GetWorldInstancesHandle(), _matrices, _count);
    _count = 0;
}
