#include "MaterialSystem/Renderable.h"

#include "MaterialSystem/VertexDecl.h"

uint32_t RenderableDesc::GetIndexCount() const
{
    switch (primType)
    {
    case gfx::PrimitiveType::PointList: return instances * primCount;
    case gfx::PrimitiveType::LineList: return instances * primCount * 2;
    case gfx::PrimitiveType::TriangleList: return instances * primCount * 3;
    case gfx::PrimitiveType::TriangleStrip: return instances * (primCount + 2);
    default: return 0;
    }
}

void StreamBinding::AcquireDeclaration(uint32_t format, gfx::Device* device)
{
    if (!declaration)
        declaration = VertexDecl::QueryFormatDecl(format, device);
}
