#pragma once
#include "foundation/config/ISettings.h"

// Sheet "Render": debug views and render passes, most of them console variables.
class RenderSettings : public ISettings
{
public:
    explicit RenderSettings(ConfigSystem* master);

    void ReadSheetParams() override;
    void WriteSheetParams() override;

    bool ShowBounds = false;
    bool ShowGroups = false;
    bool ShowNodeLinks = false;
    bool ShowBones = false;
    bool ShowAxes = false;
    bool UseDefaultBackColor = true;
    bool UseStencilShading = false;
    bool EnableSorting = true;
    bool EnableDepthSorting = true;
    bool EnableCorrectBlending = false;
    bool EnablePostEffects = true;
    bool RenderBackground = true;
    bool RenderLights = true;
    bool RenderGlobalLight = true;
    bool DebugBackground = false;
    unsigned int LodDistance = 10;
};
