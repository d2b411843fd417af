#include "foundation/config/VideoSettings.h"

#include <climits>

VideoSettings::VideoSettings(ConfigSystem* master) : ISettings("Video", master)
{
    WriteSheetParams();
    ApplyRules();
}

void VideoSettings::ApplyRules()
{
    Clamp("MaxInstancesPerBatch", MaxInstancesPerBatch, INT_MIN, MAX_INSTANCES_PER_BATCH);
}

void VideoSettings::ReadSheetParams()
{
    Read("Fullscreen", Fullscreen);
    Read("VSync", VSync);
    Read("UsePerfHUD", UsePerfHUD);
    Read("UseHDR", UseHDR);
    Read("UseAutoMips", UseAutoMips);
    Read("UseDoublePrecision", UseDoublePrecision);
    Read("UseStateBlocks", UseStateBlocks);
    Read("UseHelpers", UseHelpers);
    Read("UseInstancing", UseInstancing);
    Read("SecureStateChange", SecureStateChange);
    Read("DrawStats", DrawStats);
    Read("DrawFPS", DrawFPS);
    Read("DrawScreenPrims", DrawScreenPrims);
    Read("Antialias", Antialias);
    Read("RefreshHz", RefreshHz);
    Read("ColorDepth", ColorDepth);
    Read("TextureLod", TextureLod);
    Read("MaxTrianglesPerBatch", MaxTrianglesPerBatch);
    Read("MaxInstancesPerBatch", MaxInstancesPerBatch);
    Read("InstancingPrimitiveThreshold", InstancingPrimitiveThreshold);
    Read("ScrWidth", ScrWidth);
    Read("ScrHeight", ScrHeight);
    Read("DefaultDriver", DefaultDriver);
    ApplyRules();
}

void VideoSettings::WriteSheetParams()
{
    Write("Fullscreen", Fullscreen);
    Write("VSync", VSync);
    Write("UsePerfHUD", UsePerfHUD);
    Write("UseHDR", UseHDR);
    Write("UseAutoMips", UseAutoMips);
    Write("UseDoublePrecision", UseDoublePrecision);
    Write("UseStateBlocks", UseStateBlocks);
    Write("UseHelpers", UseHelpers);
    Write("UseInstancing", UseInstancing);
    Write("SecureStateChange", SecureStateChange);
    Write("DrawStats", DrawStats);
    Write("DrawFPS", DrawFPS);
    Write("DrawScreenPrims", DrawScreenPrims);
    Write("Antialias", Antialias);
    Write("RefreshHz", RefreshHz);
    Write("ColorDepth", ColorDepth);
    Write("TextureLod", TextureLod);
    Write("MaxTrianglesPerBatch", MaxTrianglesPerBatch);
    Write("MaxInstancesPerBatch", MaxInstancesPerBatch);
    Write("InstancingPrimitiveThreshold", InstancingPrimitiveThreshold);
    Write("ScrWidth", ScrWidth);
    Write("ScrHeight", ScrHeight);
    Write("DefaultDriver", DefaultDriver);
}
