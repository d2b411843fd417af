#pragma once

#include "scene/post/CompositeRegions.h"
#include "scene/post/PPEffect.h"

#include <cstdint>
#include <vector>

// Softens the edges found in the normal and depth targets; built but drawing nothing while the
// video settings' antialias option is off.
class PPEffect_Antialias : public PPEffect
{
public:
    explicit PPEffect_Antialias(RenderScene* scene) : PPEffect(scene, 1) {}
    int Initialize() override;
    void Render() override;
    const char* GetName() const override { return "PPEffect_Antialias"; }
    bool IsActive() const { return _active; }

private:
    bool _active = false;
};

// An input reduced to 256 x 256, blurred across and then down by ping-pong between two
// targets, and composited onto the back buffer: the common form of bloom and glow. The
// composite adds nothing where the blurred input is dark, so it is drawn only over the parts of
// the screen whose samples read a texel that adds something.
class PPEffectBlurred : public PPEffect
{
public:
    void Render() override;

protected:
    // For each texel (0xAARRGGBB) whether the composite adds anything where it samples it.
    virtual void MarkAdding(const std::vector<uint32_t>& texels, std::vector<uint8_t>& adds) const = 0;

    // The names of the four pass materials, the two targets, and the composite's input.
    struct Names
    {
        const char* materials[4];
        const char* targets[2];
        const char* compositeInput;
        const char* compositeShader;
    };
    explicit PPEffectBlurred(RenderScene* scene) : PPEffect(scene, 4) {}
    int Build(const Names& names, Texture* input);

private:
    // The blurred target read back and its texels that add, kept from frame to frame.
    std::vector<uint32_t> _texels;
    std::vector<uint8_t> _adds;
    CompositeRegions _regions;
};

// The frame's bright parts spread (bloom).
class PPEffect_Blur : public PPEffectBlurred
{
public:
    explicit PPEffect_Blur(RenderScene* scene) : PPEffectBlurred(scene) {}
    int Initialize() override;
    const char* GetName() const override { return "PPEffect_Blur"; }

protected:
    // The colour key's threshold: a luminance at or below it adds nothing.
    void MarkAdding(const std::vector<uint32_t>& texels, std::vector<uint8_t>& adds) const override;
};

// The emissive target spread onto the frame; nothing in frames whose lit prims wrote no emissive
// colour, where the target is black.
class PPEffect_Glow : public PPEffectBlurred
{
public:
    explicit PPEffect_Glow(RenderScene* scene) : PPEffectBlurred(scene) {}
    int Initialize() override;
    void Render() override;
    const char* GetName() const override { return "PPEffect_Glow"; }

protected:
    // Black adds nothing.
    void MarkAdding(const std::vector<uint32_t>& texels, std::vector<uint8_t>& adds) const override;
};

// The frame blended over itself towards the edges of the mask, by the scene's motion blur
// coefficient; nothing while it is 0.
class PPEffect_MotionBlur : public PPEffect
{
public:
    explicit PPEffect_MotionBlur(RenderScene* scene) : PPEffect(scene, 1) {}
    int Initialize() override;
    void Render() override;
    const char* GetName() const override { return "PPEffect_MotionBlur"; }
};
