#pragma once

#include "MaterialSystem/draw/FixedPrograms.h"
#include "MaterialSystem/draw/FontCache.h"
#include "MaterialSystem/draw/HelperGeometry.h"
#include "MaterialSystem/draw/OcclusionTests.h"
#include "MaterialSystem/draw/RenderTargets.h"
#include "MaterialSystem/draw/ScreenAlignedQuad.h"
#include "MaterialSystem/draw/ScreenPrims.h"

#include <memory>

// The immediate drawing services of the material system, made with its device.
struct DrawServices
{
    std::unique_ptr<FixedPrograms> programs;
    std::unique_ptr<FontCache> fonts;
    std::unique_ptr<HelperGeometry> helpers; // only with UseHelpers
    std::unique_ptr<ScreenPrims> screen;
    std::unique_ptr<RenderTargets> targets;
    std::unique_ptr<OcclusionTests> occlusion;
    std::unique_ptr<ScreenAlignedQuad> quad;
    bool occlusionSupported = false;
    // Handed out for text when there is nothing to draw it with: callers set its layer and
    // clip rectangle whether or not it will be drawn.
    RenderText discarded;
};
