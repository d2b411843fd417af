#include "MaterialSystem/draw/ScreenAlignedQuad.h"

#include "MaterialSystem/VertexBuffer.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/VertexIndexBuilder.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderParams.h"
#include "platform/gfx/Device.h"

ScreenAlignedQuad::ScreenAlignedQuad(gfx::Device& device) : _device(device)
{
    // Declarations of both formats the quad's effects may read, made up front.
    VertexDecl::QueryFormatDecl(VF_POSITION, &device);
    VertexDecl::QueryFormatDecl(VF_POSITION | (1u << VF_TEXCOORDS_SHIFT), &device);
    _buffer = std::make_unique<VertexBuffer>(SU_STATIC, 5, 5, VertexDecl::QueryFormatSize(VF_POSITION), &device);
    const float positions[] = {-0.5f, 2.0f, 0.0f, -0.5f, -0.5f, 0.0f, 2.0f, 2.0f, 0.0f, 2.0f, -0.5f, 0.0f};
    const unsigned short indices[] = {0, 1, 2, 3};
    VertexIndexBuilder builder;
    if (_buffer->LockVertices(4, builder))
    {
        if (_buffer->LockIndices(4, builder))
        {
            unsigned short base = 0;
            builder.StartBuild(4, 4, base);
            builder.ProcessVertices(positions, 4, nullptr);
            builder.ProcessIndices(indices, 4, 0);
            builder.StopBuild();
            _buffer->UnlockIndices(builder);
        }
        _buffer->UnlockVertices(builder);
    }
}

ScreenAlignedQuad::~ScreenAlignedQuad() = default;

void ScreenAlignedQuad::Render(ShaderParams* material)
{
    Shader* shader = material ? material->GetBindedShader() : nullptr;
    if (!shader || !shader->GetD3DEffect())
        return;
    const unsigned passes = shader->Begin(1);
    for (unsigned pass = 0; pass < passes; ++pass)
    {
        shader->BeginPass(pass);
        material->ApplyToShader(nullptr);
        // The quad covers the target whatever side the material culls.
        _device.SetCullMode(gfx::CullMode::None);
        shader->ApplyChanges();
        _device.SetStreamSource(_buffer->GetVBHandle(), 0, _buffer->GetVertexSize());
        _device.SetIndices(_buffer->GetIBHandle());
        _device.SetVertexLayout(VertexDecl::QueryFormatDecl(VF_POSITION, &_device));
        _device.DrawIndexedPrimitive(gfx::PrimitiveType::TriangleStrip, 0, 0, 2);
        shader->EndPass();
    }
    shader->End();
}
