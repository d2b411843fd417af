#pragma once

#include "scene/post/PPEffect.h"

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

// The frame reduced to 256 x 256, blurred twice, and its bright parts added back (bloom).
class PPEffect_Blur : public PPEffect
{
public:
    explicit PPEffect_Blur(RenderScene* scene) : PPEffect(scene, 4) {}
    int Initialize() override;
    void Render() override;
    const char* GetName() const override { return "PPEffect_Blur"; }
};

// The emissive target reduced, blurred twice and added onto the frame.
class PPEffect_Glow : public PPEffect
{
public:
    explicit PPEffect_Glow(RenderScene* scene) : PPEffect(scene, 4) {}
    int Initialize() override;
    void Render() override;
    const char* GetName() const override { return "PPEffect_Glow"; }
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
