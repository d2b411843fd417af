#pragma once

#include "platform/effect/EffectTypes.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/DeviceLink.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fx {

class Effect;
struct ParamDecl;
struct ParamValue;

// Alpha test, which OpenGL core lacks: the fragment stage of every effect program discards
// by this state. Set by the engine's render states and by effect passes.
struct AlphaTest
{
    bool enable = false;
    gfx::CmpFunc func = gfx::CmpFunc::Greater;
    unsigned reference = 0; // 0..255 against alpha x 255
    bool operator==(const AlphaTest&) const = default;
};

// Lighting on/off and flat shading, which OpenGL core lacks too: effects read them as the
// uniforms fx_Lighting and fx_FlatShading. Set by the engine's render states.
struct Shading
{
    bool lighting = true;
    bool flat = false;
    bool operator==(const Shading&) const = default;
};

// The shared parameter pool of a set of effects on one device: a parameter declared
// `shared` has one value for every effect of the pool. The pool also carries the device
// states the effects emulate (alpha test, lighting and shading) and hands out
// uniform-buffer binding points. Textures are held by plain pointers: when one is destroyed
// the pool has every effect let go of it.
class EffectPool final : private gfx::TextureWatcher
{
public:
    explicit EffectPool(gfx::Device& device);
    ~EffectPool();
    EffectPool(const EffectPool&) = delete;
    EffectPool& operator=(const EffectPool&) = delete;

    gfx::Device& GetDevice() { return _device; }

    void SetAlphaTest(const AlphaTest& state);
    const AlphaTest& GetAlphaTest() const { return _alphaTest; }
    uint64_t GetAlphaTestVersion() const { return _alphaVersion; }

    void SetShading(const Shading& state);
    const Shading& GetShading() const { return _shading; }
    uint64_t GetShadingVersion() const { return _shadingVersion; }

    // The shared value of a declaration, made on first use. Null with a message when an
    // earlier effect declared the name with another type or size.
    std::shared_ptr<ParamValue> AcquireShared(const ParamDecl& decl, std::string& error);
    // A value of the effect's own (not shared).
    std::shared_ptr<ParamValue> MakeValue(const ParamDecl& decl);
    uint64_t NextVersion() { return ++_version; }
    // Writes an array's buffer when its value changed and binds it to its binding point.
    void BindBuffer(ParamValue& value);

    // Effects of the pool, told of destroyed textures; an effect leaves before the pool.
    void AddEffect(Effect* effect);
    void RemoveEffect(Effect* effect);

private:
    void OnTextureDestroyed(const gfx::Texture* texture) override;

    gfx::Device& _device;
    gfx::DeviceLink _link;
    std::map<std::string, std::shared_ptr<ParamValue>> _shared;
    std::vector<Effect*> _effects;
    AlphaTest _alphaTest;
    uint64_t _alphaVersion = 1;
    Shading _shading;
    uint64_t _shadingVersion = 1;
    uint64_t _version = 1;
    unsigned _nextBinding = gfx::Device::kTargetBlockBinding + 1;
};

} // namespace fx
