#include "QueueFixture.h"

#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/queue/RenderBatcher.h"
#include "MaterialSystem/queue/SortKey.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// Materials and shaders are compared by identity only here.
Material* MaterialAt(uintptr_t address) { return reinterpret_cast<Material*>(address); }
const void* ShaderAt(uintptr_t address) { return reinterpret_cast<const void*>(address); }

std::string Order(const std::vector<SortKey>& keys, const std::vector<SortKey>& original)
{
    std::string order;
    for (const SortKey& key : keys)
    {
        for (size_t i = 0; i < original.size(); ++i)
        {
            if (original[i].renderable == key.renderable)
                order += char('a' + i);
        }
    }
    return order;
}

} // namespace

TEST(RenderQueueSort, OptionWordsChooseTheirComparator)
{
    // Entries a..f: shader, material, view depth, frame-buffer reader.
    std::vector<std::unique_ptr<BoxRenderable>> boxes;
    struct Entry
    {
        uintptr_t shader, material;
        float depth;
        bool reader;
    } entries[] = {
        {2, 20, 5.0f, false}, // a
        {1, 11, 9.0f, true},  // b
        {2, 20, 1.0f, false}, // c
        {1, 10, 3.0f, false}, // d
        {1, 10, 7.0f, false}, // e
        {2, 21, 4.0f, true},  // f
    };
    const struct Case
    {
        uint32_t options;
        const char* order;
    } cases[] = {
        {SO_GROUP_BY_STATE, nullptr},                                                 // groups, checked below
        {SO_FRONT_TO_BACK, "cdfaeb"},                                                 // 2: depth ascending
        {SO_GROUP_BY_STATE | SO_FRONT_TO_BACK, "debcaf"},                             // 3
        {SO_FRESH_FRAMEBUFFER_LAST, "eadcbf"},                                        // 4: readers last, far first
        {SO_GROUP_BY_STATE | SO_FRESH_FRAMEBUFFER_LAST, "edacbf"},                    // 5
        {SO_FRONT_TO_BACK | SO_FRESH_FRAMEBUFFER_LAST, "cdfaeb"},                     // 6: front to back only
        {SO_GROUP_BY_STATE | SO_FRONT_TO_BACK | SO_FRESH_FRAMEBUFFER_LAST, "debcaf"}, // 7
    };
    for (const Case& c : cases)
    {
        std::vector<SortKey> keys;
        for (const Entry& e : entries)
        {
            boxes.push_back(std::make_unique<BoxRenderable>(false, VF_POSITION));
            keys.push_back({ShaderAt(e.shader), MaterialAt(e.material), boxes.back().get(),
                            SortDepth(e.depth, c.options), e.reader ? 1u : 0u});
        }
        const std::vector<SortKey> original = keys;
        SortKeys(keys.data(), keys.size(), c.options);
        const std::string order = Order(keys, original);
        if (c.order)
        {
            EXPECT_EQ(order, c.order) << "options " << c.options;
        }
        else
        {
            // Shader 1 before shader 2, material 10 before 11, runs of one material together.
            EXPECT_EQ(order.substr(0, 2) == "de" || order.substr(0, 2) == "ed", true) << order;
            EXPECT_EQ(order[2], 'b') << order;
            EXPECT_EQ(order.substr(3, 2) == "ac" || order.substr(3, 2) == "ca", true) << order;
            EXPECT_EQ(order[5], 'f') << order;
        }
    }
    EXPECT_FALSE(IsValidSortOptions(0));
    EXPECT_FALSE(IsValidSortOptions(0x10));
}

TEST(RenderQueueSort, BrokenDepthsSortAsFarthest)
{
    BoxRenderable near(false, VF_POSITION), broken(false, VF_POSITION), far(false, VF_POSITION);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (uint32_t options : {uint32_t(SO_FRONT_TO_BACK), uint32_t(SO_FRESH_FRAMEBUFFER_LAST)})
    {
        std::vector<SortKey> keys = {{nullptr, nullptr, &broken, SortDepth(nan, options), 0},
                                     {nullptr, nullptr, &far, SortDepth(100.0f, options), 0},
                                     {nullptr, nullptr, &near, SortDepth(1.0f, options), 0}};
        SortKeys(keys.data(), keys.size(), options);
        if (options == SO_FRONT_TO_BACK)
        {
            EXPECT_EQ(keys.back().renderable, &broken);
        }
        else
        {
            EXPECT_EQ(keys.front().renderable, &broken);
        }
    }
}

// Instanced entries need no device: their geometry already lives in a mesh's buffer.
TEST(RenderBatcher, InstancedNeighboursShareADrawUpToTheInstanceCount)
{
    const uint32_t format = VF_POSITION | VF_INSTANCE;
    std::vector<std::unique_ptr<BoxRenderable>> boxes;
    for (int i = 0; i < 6; ++i)
        boxes.push_back(std::make_unique<BoxRenderable>(false, format, 4));
    boxes[5]->GetStreamBinding().startIndex = 36; // another sub-mesh of the buffer
    Material* stone = MaterialAt(0x100);
    Material* metal = MaterialAt(0x200);
    std::vector<QueueEntry> entries;
    for (int i = 0; i < 5; ++i)
        entries.push_back({boxes[i].get(), stone});
    entries.push_back({boxes[5].get(), stone});
    auto plain = std::make_unique<BoxRenderable>(false, VF_POSITION);
    auto other = std::make_unique<BoxRenderable>(false, format, 4);
    entries.push_back({plain.get(), stone});
    entries.push_back({other.get(), metal});

    RenderBatcher batcher(nullptr);
    for (const QueueEntry& entry : entries)
        batcher.Count(entry.renderable);
    EXPECT_EQ(batcher.GetBatchableCount(), 7u);
    batcher.Preprocess(entries.data(), entries.size());

    // Four instances fill the first batch; the fifth starts another; the sixth differs in its
    // binding; the plain box is drawn alone; the last has another material.
    ASSERT_EQ(batcher.GetBatchCount(), 4u);
    EXPECT_EQ(batcher.GetBatch(0).mode, BatchDesc::Instanced);
    EXPECT_EQ(batcher.GetBatch(0).appended, 3u);
    EXPECT_EQ(batcher.GetBatch(1).appended, 0u);
    EXPECT_EQ(batcher.GetBatch(2).binding.startIndex, 36u);
    EXPECT_EQ(boxes[0]->GetUserdata(), &batcher.GetBatch(0));
    EXPECT_EQ(boxes[1]->GetUserdata(), nullptr);
    EXPECT_EQ(boxes[4]->GetUserdata(), &batcher.GetBatch(1));
    EXPECT_EQ(plain->GetUserdata(), nullptr);
    EXPECT_EQ(other->GetUserdata(), &batcher.GetBatch(3));
}

TEST(RenderBatcher, BatchPoolGrowsToTheBatchableCount)
{
    std::vector<std::unique_ptr<BoxRenderable>> boxes;
    std::vector<QueueEntry> entries;
    RenderBatcher batcher(nullptr);
    // Every entry its own material: 600 batches, more than the pool starts with.
    for (uintptr_t i = 0; i < 600; ++i)
    {
        boxes.push_back(std::make_unique<BoxRenderable>(false, VF_POSITION | VF_INSTANCE, 2));
        entries.push_back({boxes.back().get(), MaterialAt(0x1000 + 16 * i)});
        batcher.Count(boxes.back().get());
    }
    batcher.Preprocess(entries.data(), entries.size());
    EXPECT_EQ(batcher.GetBatchCount(), 600u);
    EXPECT_GE(batcher.GetBatchPoolSize(), 600u);
    batcher.Reset();
    EXPECT_EQ(batcher.GetBatchCount(), 0u);
    EXPECT_EQ(batcher.GetBatchableCount(), 0u);
}
