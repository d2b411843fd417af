#pragma once

#include "MaterialSystem/shaders/LightSources.h"
#include "scene/PixelRect.h"

#include <array>
#include <vector>

// The omni lights of a frame in batches for the lighting stage: lights whose rectangles overlap
// are shaded by one screen quad, which reads the deferred targets and blends into the frame
// once for them all. A batch fills the 1, 2, 4, 8 or 16 slots of a variant of the light shader;
// slots past its lights hold an empty rectangle and add nothing.
class OmniBatches
{
public:
    static constexpr unsigned VariantCount = 5;
    static constexpr unsigned MaxSlots = 1u << (VariantCount - 1);
    // A slot as the shader reads it: position and range; diffuse times attenuation, and
    // intensity; the rectangle (left, top, right, bottom).
    static constexpr unsigned FloatsPerSlot = 12;

    struct Batch
    {
        unsigned variant = 0; // 1 << variant slots
        PixelRect bounds;     // the union of its lights' rectangles
        float depth = 0.0f;   // the depth buffer's value beyond which none of its lights reaches
        std::array<float, MaxSlots * FloatsPerSlot> slots{};
    };

    // The lights of the frame, each with the rectangle it may light and the depth beyond which
    // it reaches nothing; one with an empty rectangle lights nothing and is left out.
    void Clear();
    void Add(const OmniSource& light, const PixelRect& rect, float depth);
    // Groups the lights added since Clear into batches.
    void Build();
    const std::vector<Batch>& GetBatches() const { return _batches; }

    // One light alone in the smallest variant.
    static Batch Single(const OmniSource& light, const PixelRect& rect, float depth);

private:
    struct Light
    {
        OmniSource source;
        PixelRect rect;
        float depth;
    };
    struct Group
    {
        std::vector<unsigned> lights;
        PixelRect bounds;
    };

    void AddBatches(const std::vector<unsigned>& lights);
    static void Fill(Batch& batch, unsigned slot, const Light& light);

    std::vector<Light> _lights;
    std::vector<Group> _groups;
    std::vector<Batch> _batches;
};
