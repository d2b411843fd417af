#pragma once

#include <cstddef>
#include <cstdint>

class IRenderable;
class Material;

// Sort orders of a render queue, combined as bits.
enum eSortOptions : uint32_t
{
    SO_GROUP_BY_STATE = 0x1,         // bound shader, then material
    SO_FRONT_TO_BACK = 0x2,          // view depth ascending
    SO_FRESH_FRAMEBUFFER_LAST = 0x4, // frame-buffer readers last, view depth descending
};

// One queue entry with what it is sorted by, gathered once before the sort.
struct SortKey
{
    const void* shader = nullptr; // the material's bound shader, by identity
    Material* material = nullptr; // by identity
    IRenderable* renderable = nullptr;
    float depth = 0.0f;             // the view depth, negated when the order is back to front
    uint32_t framebufferReader = 0; // 1 for materials that read the fresh frame buffer
};

// False for words without any of the three order bits.
bool IsValidSortOptions(uint32_t options);
// True when the view depth sorts back to front (bit 4 without bit 2).
bool SortsBackToFront(uint32_t options);
// The key's depth for the options: NaN sorts as the farthest, so that a broken transform
// cannot break the ordering the sort relies on.
float SortDepth(float viewDepth, uint32_t options);
// Sorts keys by the comparator the options choose (not stable). Invalid options leave the
// keys as they are.
void SortKeys(SortKey* keys, size_t count, uint32_t options);
