#include "foundation/config/RenderSettings.h"

// The table stays empty until the first write.
RenderSettings::RenderSettings(ConfigSystem* master) : ISettings("Render", master) {}

void RenderSettings::ReadSheetParams()
{
    Read("ShowBounds", ShowBounds);
    Read("ShowGroups", ShowGroups);
    Read("ShowNodeLinks", ShowNodeLinks);
    Read("ShowBones", ShowBones);
    Read("ShowAxes", ShowAxes);
    Read("UseDefaultBackColor", UseDefaultBackColor);
    Read("UseStencilShading", UseStencilShading);
    Read("EnableSorting", EnableSorting);
    Read("EnableDepthSorting", EnableDepthSorting);
    Read("EnableCorrectBlending", EnableCorrectBlending);
    Read("EnablePostEffects", EnablePostEffects);
    Read("RenderBackground", RenderBackground);
    Read("RenderLights", RenderLights);
    Read("RenderGlobalLight", RenderGlobalLight);
    Read("DebugBackground", DebugBackground);
    Read("LodDistance", LodDistance);

    AddConsoleVariable("r_show_bounds", CMD_BOOL, &ShowBounds);
    AddConsoleVariable("r_show_groups", CMD_BOOL, &ShowGroups);
    AddConsoleVariable("r_show_node_links", CMD_BOOL, &ShowNodeLinks);
    AddConsoleVariable("r_show_bones", CMD_BOOL, &ShowBones);
    AddConsoleVariable("r_show_axes", CMD_BOOL, &ShowAxes);
    AddConsoleVariable("r_use_default_backcolor", CMD_BOOL, &UseDefaultBackColor);
    AddConsoleVariable("r_use_stencil_shading", CMD_BOOL, &UseStencilShading);
    AddConsoleVariable("r_enable_depth_sorting", CMD_BOOL, &EnableDepthSorting);
    AddConsoleVariable("r_enable_correct_blending", CMD_BOOL, &EnableCorrectBlending);
    AddConsoleVariable("r_enable_post_effects", CMD_BOOL, &EnablePostEffects);
    AddConsoleVariable("r_render_background", CMD_BOOL, &RenderBackground);
    AddConsoleVariable("r_render_lights", CMD_BOOL, &RenderLights);
    AddConsoleVariable("r_render_global_light", CMD_BOOL, &RenderGlobalLight);
    AddConsoleVariable("r_debug_background", CMD_BOOL, &DebugBackground);
    AddConsoleVariable("r_lod_distance", CMD_UINT, &LodDistance);
}

void RenderSettings::WriteSheetParams()
{
    Write("ShowBounds", ShowBounds);
    Write("ShowGroups", ShowGroups);
    Write("ShowNodeLinks", ShowNodeLinks);
    Write("ShowBones", ShowBones);
    Write("ShowAxes", ShowAxes);
    Write("UseDefaultBackColor", UseDefaultBackColor);
    Write("UseStencilShading", UseStencilShading);
    Write("EnableSorting", EnableSorting);
    Write("EnableDepthSorting", EnableDepthSorting);
    Write("EnableCorrectBlending", EnableCorrectBlending);
    Write("EnablePostEffects", EnablePostEffects);
    Write("RenderBackground", RenderBackground);
    Write("RenderLights", RenderLights);
    Write("RenderGlobalLight", RenderGlobalLight);
    Write("DebugBackground", DebugBackground);
    Write("LodDistance", LodDistance);
}
