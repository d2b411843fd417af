// The omni lights of a frame grouped into batches of the light shader's variants.
#include "scene/OmniBatches.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

OmniSource Light(float x)
{
    OmniSource light;
    light.position = Vec3(x, 2, 3);
    light.range = 10 + x;
    light.diffuse = Color(0.5f, 0.25f, 1, 1);
    light.attenuation = Color(0.5f, 1, 0.75f, 1);
    light.intensity = 2 + x;
    return light;
}

// The lights of the batches by their x position, and the slots left empty.
std::map<float, int> LightsIn(const std::vector<OmniBatches::Batch>& batches, int& empty)
{
    std::map<float, int> lights;
    empty = 0;
    for (const OmniBatches::Batch& batch : batches)
    {
        for (unsigned slot = 0; slot < (1u << batch.variant); ++slot)
        {
            const float* s = batch.slots.data() + slot * OmniBatches::FloatsPerSlot;
            if (s[10] <= s[8])
                ++empty;
            else
                ++lights[s[0]];
        }
    }
    return lights;
}

TEST(OmniBatches, OverlappingLightsShareAPassAndApartLightsDoNot)
{
    const PixelRect screen{0, 0, 1024, 768}, left{10, 10, 110, 110}, right{800, 500, 900, 600};
    struct Case
    {
        const char* name;
        std::vector<PixelRect> rects;
        std::vector<unsigned> variants; // batch sizes as variants, sorted
    };
    const std::vector<Case> cases = {
        {"one", {left}, {0}},
        {"the same rectangle twice", {left, left}, {1}},
        {"far apart", {left, right}, {0, 0}},
        {"three alike take a batch of four", {left, left, left}, {2}},
        {"a small one inside a large one alone", {screen, {500, 400, 510, 410}}, {0, 0}},
        {"25 over the whole screen", std::vector<PixelRect>(25, screen), {0, 3, 4}},
        {"an empty rectangle is left out", {left, {5, 5, 5, 9}}, {0}},
    };
    for (const Case& c : cases)
    {
        OmniBatches batches;
        batches.Clear();
        float depth = 0.5f;
        for (size_t i = 0; i < c.rects.size(); ++i)
            batches.Add(Light(float(i)), c.rects[i], depth += 0.01f);
        batches.Build();
        std::vector<unsigned> variants;
        for (const OmniBatches::Batch& batch : batches.GetBatches())
            variants.push_back(batch.variant);
        std::sort(variants.begin(), variants.end());
        EXPECT_EQ(variants, c.variants) << c.name;
        // Every light with a rectangle is in exactly one slot; the rest of the slots are empty.
        int empty = 0;
        const std::map<float, int> lights = LightsIn(batches.GetBatches(), empty);
        size_t expected = 0;
        for (size_t i = 0; i < c.rects.size(); ++i)
        {
            if (c.rects[i].IsEmpty())
                continue;
            ++expected;
            EXPECT_EQ(lights.count(float(i)) ? lights.at(float(i)) : 0, 1) << c.name << " light " << i;
        }
        EXPECT_EQ(lights.size(), expected) << c.name;
    }
}

// A slot holds what the shader reads; the batch covers its lights' rectangles and lies as deep as
// the deepest of them.
TEST(OmniBatches, SlotsHoldTheLightAsTheShaderReadsIt)
{
    OmniBatches batches;
    batches.Add(Light(1), PixelRect{10, 20, 30, 40}, 0.75f);
    batches.Add(Light(2), PixelRect{12, 22, 32, 44}, 0.25f);
    batches.Build();
    ASSERT_EQ(batches.GetBatches().size(), 1u);
    const OmniBatches::Batch& batch = batches.GetBatches()[0];
    EXPECT_EQ(batch.variant, 1u);
    EXPECT_EQ(batch.bounds.left, 10);
    EXPECT_EQ(batch.bounds.top, 20);
    EXPECT_EQ(batch.bounds.right, 32);
    EXPECT_EQ(batch.bounds.bottom, 44);
    EXPECT_EQ(batch.depth, 0.75f);
    const float* s = batch.slots.data();
    if (s[0] != 1.0f)
        s += OmniBatches::FloatsPerSlot;
    const std::vector<float> expected = {1, 2, 3, 11, 0.25f, 0.25f, 0.75f, 3, 10, 20, 30, 40};
    EXPECT_EQ(std::vector<float>(s, s + OmniBatches::FloatsPerSlot), expected);

    const OmniBatches::Batch single = OmniBatches::Single(Light(4), PixelRect{1, 2, 3, 4}, 0.5f);
    EXPECT_EQ(single.variant, 0u);
    EXPECT_EQ(single.depth, 0.5f);
    EXPECT_EQ(single.slots[3], 14.0f);
    EXPECT_EQ(single.slots[11], 4.0f);
}

} // namespace
