#pragma once

#include "platform/effect/EffectTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gfx {
class Texture;
}

namespace fx {

// The storage behind one parameter: owned by an effect, or by the pool when shared. Every
// change takes a new version from the pool so programs upload only what changed.
struct ParamValue
{
    ParamValue() = default;
    ~ParamValue(); // frees the buffer while the context lives
    ParamValue(const ParamValue&) = delete;
    ParamValue& operator=(const ParamValue&) = delete;

    ParamType type = ParamType::Float;
    unsigned elements = 0;       // 0 for a single value
    std::vector<uint32_t> words; // int or float bits, elements x ParamWords(type)
    gfx::Texture* texture = nullptr;
    uint64_t version = 1;

    // Arrays live in a uniform buffer (their size may pass the plain-uniform limits).
    unsigned buffer = 0;
    unsigned binding = 0;
    uint64_t uploaded = 0; // version last written to the buffer
    size_t dirtyBytes = 0; // leading bytes changed since then (an instance writes only its own)
    std::weak_ptr<const void> context;
};

} // namespace fx
