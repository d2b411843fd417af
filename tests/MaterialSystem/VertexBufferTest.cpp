#include "MaterialSystem/VertexBuffer.h"
#include "MaterialSystem/VertexBufferSet.h"
#include "MaterialSystem/VertexIndexBuilder.h"
#include "foundation/math/Matrix.h"
#include "RenderFixture.h"

#include <cstring>

namespace {

struct Vertex
{
    float x, y, z;
    uint32_t color;
};

std::vector<uint8_t> ReadVertices(VertexBuffer& buffer, unsigned first, unsigned count)
{
    std::vector<uint8_t> out(count * buffer.GetVertexSize());
    EXPECT_TRUE(buffer.GetVBHandle()->Read(first * buffer.GetVertexSize(), unsigned(out.size()), out.data()));
    return out;
}

} // namespace

TEST_F(RenderTest, DynamicLocksAppendThenDiscardWhenShort)
{
    Init();
    VertexBuffer buffer(SU_DYNAMIC, 200, 300, sizeof(Vertex), _system->GetDevice());
    VertexIndexBuilder builder;
    const Vertex marker{1, 2, 3, 0xAABBCCDD};

    ASSERT_TRUE(buffer.LockVertices(100, builder));
    EXPECT_EQ(builder.GetVertexPos(), 0u);
    unsigned short base = 0;
    builder.StartBuild(1, 0, base);
    builder.ProcessVertices(&marker, 1, nullptr);
    builder.StopBuild(); // nothing else reserved
    buffer.UnlockVertices(builder);
    EXPECT_EQ(buffer.GetVertexPos(), 100u);

    // No-overwrite append keeps the first lock's data.
    ASSERT_TRUE(buffer.LockVertices(50, builder));
    EXPECT_EQ(builder.GetVertexPos(), 100u);
    buffer.UnlockVertices(builder);
    EXPECT_EQ(buffer.GetVertexPos(), 150u);
    auto kept = ReadVertices(buffer, 0, 1);
    EXPECT_EQ(0, std::memcmp(kept.data(), &marker, sizeof(marker)));

    // 150 more do not fit after 150 of 200: the buffer restarts at 0.
    ASSERT_TRUE(buffer.LockVertices(150, builder));
    EXPECT_EQ(builder.GetVertexPos(), 0u);
    buffer.UnlockVertices(builder);
    EXPECT_EQ(buffer.GetVertexPos(), 150u);

    // A pending flush restarts the next lock too.
    buffer.FlushVertices(false);
    ASSERT_TRUE(buffer.LockVertices(10, builder));
    EXPECT_EQ(builder.GetVertexPos(), 0u);
    buffer.UnlockVertices(builder);
}

TEST_F(RenderTest, ModifyMovesTheCursorOnlyPastItsEnd)
{
    Init();
    VertexBuffer buffer(SU_STATIC, 64, 64, sizeof(Vertex), _system->GetDevice());
    VertexIndexBuilder builder;
    ASSERT_TRUE(buffer.LockVertices(40, builder));
    buffer.UnlockVertices(builder);
    struct Case
    {
        unsigned start, count, cursorAfter;
    };
    for (const Case& c : {Case{10, 5, 40}, Case{38, 5, 43}})
    {
        ASSERT_TRUE(buffer.ModifyVertices(c.start, c.count, builder));
        EXPECT_EQ(builder.GetVertexPos(), c.start);
        buffer.UnlockVertices(builder);
        EXPECT_EQ(buffer.GetVertexPos(), c.cursorAfter);
    }
}

TEST_F(RenderTest, LocksPastTheEndAreRefusedAndLogged)
{
    Init();
    VertexBuffer buffer(SU_STATIC, 16, 16, sizeof(Vertex), _system->GetDevice());
    VertexIndexBuilder builder;
    ASSERT_TRUE(buffer.LockVertices(10, builder));
    buffer.UnlockVertices(builder);
    LogLines().clear();
    EXPECT_FALSE(buffer.LockVertices(7, builder));
    EXPECT_TRUE(LogHas("exceeds the capacity"));
    EXPECT_EQ(builder.GetBaseVertex(), nullptr);
    EXPECT_EQ(buffer.GetVertexPos(), 10u);
    EXPECT_FALSE(buffer.ModifyVertices(12, 5, builder));
    EXPECT_FALSE(buffer.LockIndices(17, builder));
    // A builder never writes past what was locked, whatever it is asked.
    ASSERT_TRUE(buffer.LockIndices(4, builder));
    unsigned short base = 0;
    builder.StartBuild(0, 100, base);
    const unsigned short many[100] = {};
    builder.ProcessIndices(many, VertexIndexBuilder::All, 0);
    EXPECT_EQ(builder.GetIndexPos(), 4u);
    builder.StopBuild();
    buffer.UnlockIndices(builder);
    EXPECT_EQ(buffer.GetIndexPos(), 4u);
}

TEST_F(RenderTest, BuilderOffsetsIndicesAndTransformsPositions)
{
    Init();
    VertexBuffer buffer(SU_STATIC, 16, 16, sizeof(Vertex), _system->GetDevice());
    VertexIndexBuilder builder;
    ASSERT_TRUE(buffer.LockVertices(2, builder));
    buffer.UnlockVertices(builder); // the next object starts at vertex 2
    ASSERT_TRUE(buffer.LockVertices(6, builder));
    ASSERT_TRUE(buffer.LockIndices(6, builder));
    unsigned short base = 0;
    builder.StartBuild(3, 3, base);
    EXPECT_EQ(base, 2);
    const Vertex vertices[3] = {{0, 0, 0, 1}, {1, 0, 0, 2}, {0, 1, 0, 3}};
    Matrix move(1.0f);
    move.Pos() = Vec3(10, 20, 30);
    builder.ProcessVertices(vertices, VertexIndexBuilder::All, &move);
    const unsigned short indices[3] = {0, 1, 2};
    builder.ProcessIndices(indices, 3, base);
    builder.StopBuild();
    buffer.UnlockVertices(builder);
    buffer.UnlockIndices(builder);

    auto written = ReadVertices(buffer, 2, 3);
    const Vertex* out = reinterpret_cast<const Vertex*>(written.data());
    EXPECT_FLOAT_EQ(out[1].x, 11);
    EXPECT_FLOAT_EQ(out[1].y, 20);
    EXPECT_FLOAT_EQ(out[2].z, 30);
    EXPECT_EQ(out[2].color, 3u);
    unsigned short stored[3];
    ASSERT_TRUE(buffer.GetIBHandle()->Read(0, sizeof(stored), stored));
    EXPECT_EQ(stored[0], 2);
    EXPECT_EQ(stored[2], 4);
}

TEST_F(RenderTest, PoolsShareBuffersByUsageSizeAndRoom)
{
    Init();
    VertexBufferSet pool(4, _system->GetDevice());
    VertexBuffer* a = pool.QuerySuitableBuffer(SU_DYNAMIC, 0x03, 100, 100);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->GetTotalVertices(), VertexBufferSet::MinVertices);
    EXPECT_EQ(a->GetTotalIndices(), VertexBufferSet::MinIndices);
    EXPECT_EQ(pool.QuerySuitableBuffer(SU_DYNAMIC, 0x03, 100, 100), a);
    EXPECT_NE(pool.QuerySuitableBuffer(SU_STATIC, 0x03, 100, 100), a);
    EXPECT_NE(pool.QuerySuitableBuffer(SU_DYNAMIC, 0x1009, 100, 100), a);
    VertexBuffer* big = pool.QuerySuitableBuffer(SU_DYNAMIC, 0x03, 40000, 10);
    EXPECT_NE(big, a);
    EXPECT_EQ(big->GetTotalVertices(), 40000u);
    EXPECT_EQ(pool.GetCount(), 4u);
    EXPECT_EQ(big->GetWastedMemory(), (40000u * 16 + 65536u * 2) >> 20);
}

// Buffers made without a device hold no storage, so the pool's limit is cheap to reach.
TEST_F(RenderTest, AFullPoolRefusesWithALoggedLine)
{
    VertexBufferSet pool(2, nullptr);
    EXPECT_NE(pool.QuerySuitableBuffer(SU_STATIC, 0x03, 10, 10), nullptr);
    EXPECT_NE(pool.QuerySuitableBuffer(SU_STATIC, 0x1009, 10, 10), nullptr);
    LogLines().clear();
    EXPECT_EQ(pool.QuerySuitableBuffer(SU_DYNAMIC, 0x03, 10, 10), nullptr);
    EXPECT_TRUE(LogHas("streams pool overflow"));
}

TEST_F(RenderTest, RangesGivenBackAreUsedAgainAndEmptyBuffersFreed)
{
    VertexBufferSet pool(4, nullptr);
    VertexBuffer* buffer = pool.QuerySuitableBuffer(SU_STATIC, 0x03, 20000, 100);
    ASSERT_NE(buffer, nullptr);
    unsigned v[3], i[3];
    ASSERT_TRUE(buffer->Reserve(10000, 100, v[0], i[0]));
    ASSERT_TRUE(buffer->Reserve(10000, 100, v[1], i[1]));
    ASSERT_TRUE(buffer->Reserve(10000, 100, v[2], i[2]));
    EXPECT_EQ(v[2], 20000u);
    EXPECT_FALSE(buffer->HasRoomFor(10000, 1)); // 2768 vertices left at the end
    EXPECT_NE(pool.QuerySuitableBuffer(SU_STATIC, 0x03, 10000, 100), buffer);
    EXPECT_EQ(pool.GetCount(), 2u);

    // A hole in the middle takes the next range of its size; holes that meet join up.
    pool.Release(buffer, v[1], 10000, i[1], 100);
    EXPECT_EQ(pool.QuerySuitableBuffer(SU_STATIC, 0x03, 10000, 100), buffer);
    unsigned again = 0, againIndex = 0;
    ASSERT_TRUE(buffer->Reserve(10000, 100, again, againIndex));
    EXPECT_EQ(again, v[1]);
    pool.Release(buffer, again, 10000, againIndex, 100);
    pool.Release(buffer, v[0], 10000, i[0], 100);
    EXPECT_TRUE(buffer->HasRoomFor(20000, 200));
    EXPECT_EQ(buffer->GetVertexPos(), 30000u);
    pool.Release(buffer, v[2], 10000, i[2], 100);
    EXPECT_EQ(pool.GetCount(), 1u); // the buffer was left empty and freed
}
