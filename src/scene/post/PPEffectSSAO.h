#pragma once

#include "scene/post/PPEffect.h"

// Ambient occlusion from the depth target: surfaces darken where other surfaces close around
// them (creases, corners). Three passes: the depth at half size, how open each pixel is (into a
// colour target of the screen's size), and that openness softened over the random normals'
// 4 x 4 block and laid over the frame. The game's chain does not build it; a chain that adds it
// gets a shaded frame.
class PPEffect_SSAO : public PPEffect
{
public:
    explicit PPEffect_SSAO(RenderScene* scene) : PPEffect(scene, 3) {}
    // 0 when the half-size depth target cannot be made.
    int Initialize() override;
    // Each pass clears its target, then draws; the last one the back buffer.
    void Render() override;
    const char* GetName() const override { return "PPEffect_SSAO"; }
};
