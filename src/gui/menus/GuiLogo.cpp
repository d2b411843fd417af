#include "gui/menus/GuiLogo.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"
#include "game/core/engine/GameEngine.h"
#include "game/core/frames/GameFrameManager.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* MaterialFiles[GuiLogo::MaterialCount] = {
    "logo.mat",         "black50.mat",      "gui//logo_main.mat", "gui//logo_00.mat",
    "gui//logo_01.mat", "gui//logo_02.mat", "gui//logo_03.mat",
};

} // namespace

float GuiLogo::PulseAlpha(float phase) { return std::clamp(std::fabs(std::cos(phase)), 0.25f, 1.0f); }

MaterialSystem* GuiLogo::Render() const { return GetEngine() ? GetEngine()->GetRender() : nullptr; }

void GuiLogo::Load()
{
    MaterialSystem* render = Render();
    if (!render)
        return;
    for (int i = 0; i < MaterialCount; ++i)
        _materials[i] = render->GetMaterialMgr()->CreateMaterialFromFile(MaterialFiles[i]);
}

void GuiLogo::UserProceed(float seconds)
{
    MaterialSystem* render = Render();
    if (!render)
        return;
    const VideoSettings* video = render->GetSettings();
    const float w = float(video->ScrWidth), h = float(video->ScrHeight);
    const Color white(1.0f, 1.0f, 1.0f, 1.0f);
    struct Quad
    {
        Vec2 pos, size;
    };
    const Quad quads[MaterialCount] = {
        {{0.0f, 0.0f}, {w, w}},
        {{0.0f, h - 213.0f}, {w, 170.0f}},
        {{w / 2 - 256.0f, 32.0f}, {512.0f, 128.0f}},
        {{w / 2 - 288.0f, h - 192.0f}, {128.0f, 128.0f}},
        {{w / 2 - 144.0f, h - 192.0f}, {128.0f, 128.0f}},
        {{w / 2, h - 192.0f}, {128.0f, 128.0f}},
        {{w / 2 + 144.0f, h - 192.0f}, {128.0f, 128.0f}},
    };
    for (int i = 0; i < MaterialCount; ++i)
        render->RenderQuad(_materials[i], quads[i].pos, quads[i].size, 0.0f, white, 0);

    _phase += 3.0f * seconds;
    render->DrawD3DText("Arial", 28, 12, 700, false, "Press Any Key to start Demo", Vec4(0.0f, h - 32.0f, w, h),
                        TA_CENTER, true, Color(0.0f, 0.85f, 1.0f, PulseAlpha(_phase)));
}

void GuiLogo::EventSelectApply() { GetManager()->SetActive("main_menu"); }

void GuiLogo::EventSelectDecline() { GetManager()->SetActive("main_menu"); }
