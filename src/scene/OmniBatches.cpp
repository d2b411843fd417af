#include "scene/OmniBatches.h"

#include <algorithm>
#include <numeric>

namespace {

// What a light slot costs a pixel beside what every pass costs it (reading the targets, placing
// the pixel in the world, blending), as measured on a software rasterizer, which runs every
// slot for every pixel of the batch's rectangle whether the light reaches the pixel or not.
constexpr double SlotCost = 0.6;

double PassCost(unsigned slots) { return 1.0 + SlotCost * slots; }

// The variants that shade `lights` lights at the least cost, largest first; the last may have
// slots to spare.
std::vector<unsigned> Split(unsigned lights)
{
    // best[n]: the cost of n lights and the variant taken first.
    std::vector<std::pair<double, unsigned>> best(lights + 1, {0.0, 0});
    for (unsigned n = 1; n <= lights; ++n)
    {
        best[n].first = -1.0;
        for (unsigned variant = 0; variant < OmniBatches::VariantCount; ++variant)
        {
            const unsigned slots = 1u << variant;
            const double cost = PassCost(slots) + best[n > slots ? n - slots : 0].first;
            if (best[n].first < 0.0 || cost < best[n].first)
                best[n] = {cost, variant};
        }
    }
    std::vector<unsigned> variants;
    for (unsigned n = lights; n > 0;)
    {
        const unsigned variant = best[n].second;
        variants.push_back(variant);
        n = n > (1u << variant) ? n - (1u << variant) : 0;
    }
    std::sort(variants.rbegin(), variants.rend());
    return variants;
}

} // namespace

void OmniBatches::Clear()
{
    _lights.clear();
    _groups.clear();
    _batches.clear();
}

void OmniBatches::Add(const OmniSource& light, const PixelRect& rect, float depth)
{
    if (!rect.IsEmpty())
        _lights.push_back(Light{light, rect, depth});
}

// Largest rectangles first, each joining the group it costs least to join, when that costs less
// than a pass of its own; a group holds at most the largest variant's slots.
void OmniBatches::Build()
{
    _groups.clear();
    _batches.clear();
    std::vector<unsigned> order(_lights.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(),
                     [this](unsigned a, unsigned b) { return _lights[a].rect.Area() > _lights[b].rect.Area(); });
    for (unsigned index : order)
    {
        const PixelRect& rect = _lights[index].rect;
        Group* chosen = nullptr;
        double least = double(rect.Area()) * PassCost(1);
        for (Group& group : _groups)
        {
            if (group.lights.size() >= MaxSlots)
                continue;
            const unsigned count = unsigned(group.lights.size());
            const double added = double(group.bounds.Union(rect).Area()) * PassCost(count + 1) -
                                 double(group.bounds.Area()) * PassCost(count);
            if (added <= least)
            {
                least = added;
                chosen = &group;
            }
        }
        if (!chosen)
        {
            _groups.emplace_back();
            chosen = &_groups.back();
        }
        chosen->lights.push_back(index);
        chosen->bounds = chosen->bounds.Union(rect);
    }
    for (const Group& group : _groups)
        AddBatches(group.lights);
}

void OmniBatches::AddBatches(const std::vector<unsigned>& lights)
{
    size_t next = 0;
    for (unsigned variant : Split(unsigned(lights.size())))
    {
        Batch& batch = _batches.emplace_back();
        batch.variant = variant;
        for (unsigned slot = 0; slot < (1u << variant) && next < lights.size(); ++slot, ++next)
        {
            const Light& light = _lights[lights[next]];
            Fill(batch, slot, light);
            batch.bounds = batch.bounds.Union(light.rect);
            batch.depth = std::max(batch.depth, light.depth);
        }
    }
}

OmniBatches::Batch OmniBatches::Single(const OmniSource& light, const PixelRect& rect, float depth)
{
    Batch batch;
    Fill(batch, 0, Light{light, rect, depth});
    batch.bounds = rect;
    batch.depth = depth;
    return batch;
}

void OmniBatches::Fill(Batch& batch, unsigned slot, const Light& light)
{
    const OmniSource& source = light.source;
    float* out = batch.slots.data() + slot * FloatsPerSlot;
    const float values[FloatsPerSlot] = {source.position.x,
                                         source.position.y,
                                         source.position.z,
                                         source.range,
                                         source.diffuse.r * source.attenuation.r,
                                         source.diffuse.g * source.attenuation.g,
                                         source.diffuse.b * source.attenuation.b,
                                         source.intensity,
                                         float(light.rect.left),
                                         float(light.rect.top),
                                         float(light.rect.right),
                                         float(light.rect.bottom)};
    std::copy(values, values + FloatsPerSlot, out);
}
