#include "gui/hud/GuiShipHud.h"

#include "foundation/base/Profiler.h"
#include "gui/hud/GuiMissionObjectives.h"
#include "gui/hud/GuiShipHudBigMb.h"
#include "gui/hud/GuiShipHudStats.h"
#include "gui/hud/GuiShipHudTargetInfo.h"
#include "gui/hud/GuiShipHudTextMessage.h"
#include "gui/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <cassert>

GuiShipHud::GuiShipHud() = default;

GuiShipHud::~GuiShipHud() { Unload(); }

void GuiShipHud::ResetSharedState()
{
    GuiShipHudTargetInfo::ResetShared();
    GuiShipHudStats::ResetShared();
}

void GuiShipHud::Load()
{
    Unload();
    _glassMaterial = GuiGame::LoadMaterial("gui_hud_glass.mat");
    _crosshairBoxMaterial = GuiGame::LoadMaterial("gui_hud_crosshair_00.mat");
    _shipMaterial = GuiGame::LoadMaterial("gui_hud_ship.mat");
    _radarMaterial = GuiGame::LoadMaterial("gui_hud_radar.mat");
    _loadScreenWidth = int(Hud::ScreenWidth());

    _targetInfo = std::make_unique<GuiShipHudTargetInfo>();
    _targetInfo->Load();
    _textMessage = std::make_unique<GuiShipHudTextMessage>();
    _textMessage->Load();
    _bigMb = std::make_unique<GuiShipHudBigMb>();
    _bigMb->Load();
    _stats = std::make_unique<GuiShipHudStats>();
    _stats->Load();
    if (!_objectives)
    {
        _objectives = std::make_unique<GuiMissionObjectives>();
        _objectives->Load();
    }
    RecalculatePositions();
    _loaded = true;
}

void GuiShipHud::Proceed()
{
    assert(_loaded && "the HUD is proceeded only between Load and Unload");
    if (!_loaded)
        return;
    static const Name Scope("Hud");
    AutoScopeProfile profile(Scope);
    _targetInfo->Proceed();
    _textMessage->Proceed();
    _stats->Proceed();
}

void GuiShipHud::Unload()
{
    if (!_loaded)
        return;
    _targetInfo->Unload();
    _textMessage->Unload();
    _targetInfo.reset();
    _textMessage.reset();
    _bigMb.reset();
    _stats.reset();
    _objectives->Unload();
    _loaded = false;
}

void GuiShipHud::RecalculatePositions()
{
    const int w = int(Hud::ScreenWidth()), h = int(Hud::ScreenHeight());
    _crosshairPos = {int(float(w) * 0.5f - 32.0f), int(float(h) * 0.5f - 32.0f)};
    _shipPos = {w - 256, h - 256};
    _radarPos = {int(float(w) * 0.5f - 64.0f), h - 168};
}
