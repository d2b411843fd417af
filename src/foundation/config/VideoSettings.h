#pragma once
#include "foundation/config/ISettings.h"

// Sheet "Video": the display mode and the render device's options.
class VideoSettings : public ISettings
{
public:
    static constexpr int MAX_INSTANCES_PER_BATCH = 100;

    explicit VideoSettings(ConfigSystem* master);

    void ReadSheetParams() override;
    void WriteSheetParams() override;

    bool Fullscreen = false;
    bool VSync = false;
    bool UsePerfHUD = false;
    bool UseHDR = false;
    bool UseAutoMips = false;
    bool UseDoublePrecision = false;
    bool UseStateBlocks = true;
    bool UseHelpers = true;
    bool UseInstancing = false;
    bool SecureStateChange = false;
    bool DrawStats = false;
    bool DrawFPS = false;
    bool DrawScreenPrims = true;
    int Antialias = 0;
    int RefreshHz = 75;
    int ColorDepth = 32;
    int TextureLod = 0;
    int MaxTrianglesPerBatch = 4000;
    int MaxInstancesPerBatch = 100;
    int InstancingPrimitiveThreshold = 200;
    int ScrWidth = 800;
    int ScrHeight = 600;
    int DefaultDriver = -1; // adapter index, -1 for the default adapter

private:
    void ApplyRules();
};
