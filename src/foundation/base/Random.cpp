#include "foundation/base/Random.h"

#include <atomic>

namespace {
std::atomic<unsigned> state{1};
}

// The portable linear congruential generator: the same sequence on every platform.
int EngineRandom()
{
    unsigned current = state.load(std::memory_order_relaxed);
    unsigned next;
    do
        next = current * 1103515245u + 12345u;
    while (!state.compare_exchange_weak(current, next, std::memory_order_relaxed));
    return static_cast<int>((next / 65536u) % 32768u);
}

void EngineSeed(unsigned seed) { state.store(seed, std::memory_order_relaxed); }
