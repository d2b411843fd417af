#pragma once

#include "MaterialSystem/shaders/ShaderParamsInstance.h"
#include "platform/gfx/GfxTypes.h"

#include <cstdint>

class VertexBuffer;
class VertexIndexBuilder;
namespace gfx {
class Device;
class VertexLayout;
} // namespace gfx

// One draw call: vertex format, primitive type and counts, instances.
struct RenderableDesc
{
    uint32_t format = 0;
    gfx::PrimitiveType primType = gfx::PrimitiveType::TriangleList;
    uint32_t primCount = 0;
    uint32_t vertexCount = 0;
    uint32_t instances = 1;

    uint32_t GetVertexCount() const { return vertexCount * instances; }
    uint32_t GetPrimCount() const { return primCount * instances; }
    uint32_t GetIndexCount() const;
};

// Where a draw call's geometry lives, and its declaration once looked up.
struct StreamBinding
{
    int32_t baseVertex = 0;
    uint32_t startIndex = 0;
    uint32_t minVertexIndex = 0;
    VertexBuffer* buffer = nullptr;
    gfx::VertexLayout* declaration = nullptr;

    void AcquireDeclaration(uint32_t format, gfx::Device* device);
    gfx::VertexLayout* GetDeclaration() const { return declaration; }
};

// Everything the render queue can draw. The queue keeps its batch in the user data. The
// instance parameters of a renderable join it with the shader parameter sets.
class IRenderable
{
public:
    IRenderable() = default;
    virtual ~IRenderable() = default;

    // Writes this object's geometry through the builder.
    virtual void BatchBuild(VertexIndexBuilder& builder) = 0;
    // True when the geometry is rebuilt every frame by BatchBuild.
    virtual bool IsDynamic() = 0;
    // True when the world transform mirrors.
    virtual bool IsFlipped() { return false; }

    void* GetUserdata() const { return _userdata; }
    void SetUserdata(void* data) { _userdata = data; }
    ShaderParamsInstance& GetParams() { return _params; }
    const ShaderParamsInstance& GetParams() const { return _params; }
    RenderableDesc& GetDescription() { return _description; }
    const RenderableDesc& GetDescription() const { return _description; }
    StreamBinding& GetStreamBinding() { return _binding; }
    const StreamBinding& GetStreamBinding() const { return _binding; }
    bool IsInstanced() const { return _description.instances > 1; }

protected:
    void* _userdata = nullptr;
    ShaderParamsInstance _params;
    RenderableDesc _description;
    StreamBinding _binding;
};
