#include "MaterialSystem/queue/SortKey.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

// Pointers compare by address order; std::less gives a total order over unrelated objects.
inline bool Before(const void* a, const void* b) { return std::less<const void*>()(a, b); }

struct ByState
{
    bool operator()(const SortKey& a, const SortKey& b) const
    {
        if (a.shader != b.shader)
            return Before(a.shader, b.shader);
        return Before(a.material, b.material);
    }
};

struct ByStateThenDepth
{
    bool operator()(const SortKey& a, const SortKey& b) const
    {
        if (a.shader != b.shader)
            return Before(a.shader, b.shader);
        if (a.material != b.material)
            return Before(a.material, b.material);
        return a.depth < b.depth;
    }
};

struct ByReaderThenStateThenDepth
{
    bool operator()(const SortKey& a, const SortKey& b) const
    {
        if (a.framebufferReader != b.framebufferReader)
            return a.framebufferReader < b.framebufferReader;
        if (a.shader != b.shader)
            return Before(a.shader, b.shader);
        if (a.material != b.material)
            return Before(a.material, b.material);
        return a.depth < b.depth;
    }
};

struct ByDepth
{
    bool operator()(const SortKey& a, const SortKey& b) const { return a.depth < b.depth; }
};

struct ByReaderThenDepth
{
    bool operator()(const SortKey& a, const SortKey& b) const
    {
        if (a.framebufferReader != b.framebufferReader)
            return a.framebufferReader < b.framebufferReader;
        return a.depth < b.depth;
    }
};

} // namespace

bool IsValidSortOptions(uint32_t options)
{
    return (options & (SO_GROUP_BY_STATE | SO_FRONT_TO_BACK | SO_FRESH_FRAMEBUFFER_LAST)) != 0;
}

bool SortsBackToFront(uint32_t options)
{
    return (options & SO_FRESH_FRAMEBUFFER_LAST) && !(options & SO_FRONT_TO_BACK);
}

float SortDepth(float viewDepth, uint32_t options)
{
    if (std::isnan(viewDepth))
        viewDepth = std::numeric_limits<float>::infinity();
    return SortsBackToFront(options) ? -viewDepth : viewDepth;
}

void SortKeys(SortKey* keys, size_t count, uint32_t options)
{
    if (count < 2)
        return;
    const bool state = options & SO_GROUP_BY_STATE;
    const bool frontToBack = options & SO_FRONT_TO_BACK;
    const bool readersLast = options & SO_FRESH_FRAMEBUFFER_LAST;
    SortKey* end = keys + count;
    if (state && frontToBack)
    {
        std::sort(keys, end, ByStateThenDepth());
    }
    else if (state && readersLast)
    {
        std::sort(keys, end, ByReaderThenStateThenDepth());
    }
    else if (state)
    {
        std::sort(keys, end, ByState());
    }
    else if (frontToBack)
    {
        std::sort(keys, end, ByDepth());
    }
    else if (readersLast)
    {
        std::sort(keys, end, ByReaderThenDepth());
    }
}
