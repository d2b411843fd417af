#include "MaterialSystem/Renderable.h"
#include "MaterialSystem/VertexDecl.h"
#include "RenderFixture.h"

namespace {

using gfx::VertexType;
using gfx::VertexUsage;

struct FormatCase
{
    uint32_t format;
    unsigned size;
    std::vector<gfx::VertexElement> elements;
};

} // namespace

TEST(VertexFormatTest, LayoutAndSizeOfFormatWords)
{
    const std::vector<FormatCase> cases = {
        {0x03, 16, {{0, VertexType::Float3, VertexUsage::Position, 0}, {12, VertexType::Color, VertexUsage::Color, 0}}},
        {0x1009,
         32,
         {{0, VertexType::Float3, VertexUsage::Position, 0},
          {12, VertexType::Float3, VertexUsage::Normal, 0},
          {24, VertexType::Float2, VertexUsage::TexCoord, 0}}},
        {0x2041,
         40,
         {{0, VertexType::Float3, VertexUsage::Position, 0},
          {12, VertexType::Color, VertexUsage::Normal, 0},
          {16, VertexType::Color, VertexUsage::Tangent, 0},
          {20, VertexType::Color, VertexUsage::Binormal, 0},
          {24, VertexType::Float2, VertexUsage::TexCoord, 0},
          {32, VertexType::Float2, VertexUsage::TexCoord, 1}}},
        // The packed frame wins over the three unpacked bits.
        {0x78,
         12,
         {{0, VertexType::Color, VertexUsage::Normal, 0},
          {4, VertexType::Color, VertexUsage::Tangent, 0},
          {8, VertexType::Color, VertexUsage::Binormal, 0}}},
        // Three texture sets and the instance index as the fourth coordinate.
        {0x3080,
         28,
         {{0, VertexType::Float2, VertexUsage::TexCoord, 0},
          {8, VertexType::Float2, VertexUsage::TexCoord, 1},
          {16, VertexType::Float2, VertexUsage::TexCoord, 2},
          {24, VertexType::Float1, VertexUsage::TexCoord, 3}}},
        {0x0307,
         32,
         {{0, VertexType::Float3, VertexUsage::Position, 0},
          {12, VertexType::Color, VertexUsage::Color, 0},
          {16, VertexType::Color, VertexUsage::Color, 1},
          {20, VertexType::Float3, VertexUsage::BlendWeight, 0}}},
        {0x0000, 0, {}},
    };
    for (const FormatCase& c : cases)
    {
        SCOPED_TRACE(c.format);
        gfx::VertexElement out[VertexDecl::MaxElements];
        const unsigned count = VertexDecl::ComputeVertexDesc(c.format, out);
        ASSERT_EQ(count, c.elements.size());
        for (unsigned i = 0; i < count; ++i)
        {
            EXPECT_EQ(out[i].offset, c.elements[i].offset) << i;
            EXPECT_EQ(out[i].type, c.elements[i].type) << i;
            EXPECT_EQ(out[i].usage, c.elements[i].usage) << i;
            EXPECT_EQ(out[i].usageIndex, c.elements[i].usageIndex) << i;
        }
        EXPECT_EQ(VertexDecl::QueryFormatSize(c.format), c.size);
    }
    // The largest word fits the element limit.
    gfx::VertexElement out[VertexDecl::MaxElements];
    EXPECT_EQ(VertexDecl::ComputeVertexDesc(0xFFFFFFFF, out), VertexDecl::MaxElements);
}

TEST(VertexFormatTest, IndexCountsOfDescriptions)
{
    struct Case
    {
        gfx::PrimitiveType type;
        uint32_t prims, instances, indices;
    };
    for (const Case& c :
         {Case{gfx::PrimitiveType::TriangleStrip, 10, 3, 36}, Case{gfx::PrimitiveType::LineStrip, 10, 3, 0},
          Case{gfx::PrimitiveType::TriangleList, 4, 2, 24}, Case{gfx::PrimitiveType::LineList, 5, 1, 10},
          Case{gfx::PrimitiveType::PointList, 7, 1, 7}})
    {
        RenderableDesc desc;
        desc.primType = c.type;
        desc.primCount = c.prims;
        desc.instances = c.instances;
        EXPECT_EQ(desc.GetIndexCount(), c.indices) << int(c.type);
    }
}

TEST_F(RenderTest, DeclarationsAreCachedPerWord)
{
    Init();
    gfx::Device* device = _system->GetDevice();
    gfx::VertexLayout* first = VertexDecl::QueryFormatDecl(0x1009, device);
    ASSERT_TRUE(first);
    EXPECT_EQ(VertexDecl::QueryFormatDecl(0x1009, device), first);
    EXPECT_NE(VertexDecl::QueryFormatDecl(0x03, device), first);
    StreamBinding binding;
    binding.AcquireDeclaration(0x1009, device);
    EXPECT_EQ(binding.GetDeclaration(), first);
}
