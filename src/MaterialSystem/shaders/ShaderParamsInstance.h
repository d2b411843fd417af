#pragma once

#include "MaterialSystem/shaders/ShaderParams.h"
#include "foundation/math/Matrix.h"

class ShaderParamsGlobal;

// The values of one drawn object: its world matrix, the derived world-view-projection (one
// static matrix shared by all instances), an animation value and its view depth.
class ShaderParamsInstance : public ShaderParams
{
public:
    ShaderParamsInstance();

    // `context` is the frame's ShaderParamsGlobal, or null to keep the last
    // world-view-projection.
    void ApplyToShader(void* context) override;

    Matrix& QueryWorldTransform() { return _world; }
    const Matrix& GetWorldTransform() const { return _world; }
    void SetAnimation(float value) { _animation = value; }
    float GetAnimation() const { return _animation; }
    void SetViewDepth(float depth) { _viewDepth = depth; }
    float GetViewDepth() const { return _viewDepth; }

    static Matrix matWorldViewProj;

private:
    Matrix _world{1.0f};
    float _animation = 0.0f;
    float _viewDepth = 0.0f;
    fx::Handle _worldInstances = fx::kNoHandle;
};

// The world matrices of one instanced batch, sent at once to the shared instance array.
class ShaderParamsBatch : public ShaderParams
{
public:
    static constexpr unsigned MaxInstances = 100;

    void AddInstanceMatrix(const Matrix* world);
    void ResetInstances() { _count = 0; }
    unsigned GetInstanceCount() const { return _count; }
    // Sends the collected matrices (when there are any) and starts over.
    void ApplyToShader(void* context = nullptr) override;

private:
    const float* _matrices[MaxInstances] = {};
    unsigned _count = 0;
};
