#include "game/hud/GuiShipHud.h"

#include "foundation/base/Profiler.h"
#include "game/hud/GuiMissionObjectives.h"
#include "game/hud/GuiShipHudBigMb.h"
#include "game/hud/GuiShipHudCrosshair.h"
#include "game/hud/GuiShipHudEnemyMsg.h"
#include "game/hud/GuiShipHudEnergy.h"
#include "game/hud/GuiShipHudGlassDecals.h"
#include "game/hud/GuiShipHudMb.h"
#include "game/hud/GuiShipHudRadar.h"
#include "game/hud/GuiShipHudSpeed.h"
#include "game/hud/GuiShipHudStats.h"
#include "game/hud/GuiShipHudTargetInfo.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "game/hud/GuiShipHudUser.h"
#include "game/hud/GuiShipHudWeaponry.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <cassert>

GuiShipHud::GuiShipHud() = default;

GuiShipHud::~GuiShipHud() { Unload(); }

void GuiShipHud::ResetSharedState()
{
    GuiShipHudTargetInfo::ResetShared();
    GuiShipHudCrosshair::ResetShared();
    GuiShipHudRadar::ResetShared();
    GuiShipHudStats::ResetShared();
    GuiShipHudSpeed::ResetShared();
    GuiShipHudUser::ResetShared();
    HudPhoto::ResetShared();
}

namespace {

// Makes a widget and loads it.
template <class T>
void Make(std::unique_ptr<T>& widget)
{
    widget = std::make_unique<T>();
    widget->Load();
}

} // namespace

void GuiShipHud::Load()
{
    Unload();
    _glassMaterial = GuiGame::LoadMaterial("gui_hud_glass.mat");
    _crosshairBoxMaterial = GuiGame::LoadMaterial("gui_hud_crosshair_00.mat");
    _shipMaterial = GuiGame::LoadMaterial("gui_hud_ship.mat");
    _radarMaterial = GuiGame::LoadMaterial("gui_hud_radar.mat");
    _loadScreenWidth = int(Hud::ScreenWidth());

    Make(_glassDecals);
    Make(_targetInfo);
    Make(_radar);
    Make(_energy);
    Make(_speed);
    Make(_userShip);
    Make(_crosshair);
    _crosshair->LoadCursorTexture("gui_hud_crosshair_01.dds");
    Make(_messageBox);
    Make(_weaponry);
    Make(_textMessage);
    Make(_enemyMessage);
    Make(_bigMb);
    Make(_stats);
    if (!_objectives)
        Make(_objectives);
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
    _radar->Proceed();
    _speed->Proceed();
    _userShip->Proceed();
    _targetInfo->Proceed(); // before the crosshair, which reads its scan of this frame
    _crosshair->Proceed();
    _weaponry->Proceed();
    _energy->Proceed();
    _textMessage->Proceed();
    _enemyMessage->Proceed();
    _stats->Proceed();
}

void GuiShipHud::Unload()
{
    if (!_loaded)
        return;
    _targetInfo->Unload();
    _radar->Unload();
    _energy->Unload();
    _speed->Unload();
    _userShip->Unload();
    _crosshair->Unload();
    _messageBox->Unload();
    _weaponry->Unload();
    _textMessage->Unload();
    _enemyMessage->Unload();
    _targetInfo.reset();
    _radar.reset();
    _energy.reset();
    _speed.reset();
    _userShip.reset();
    _crosshair.reset();
    _messageBox.reset();
    _weaponry.reset();
    _textMessage.reset();
    _enemyMessage.reset();
    _glassDecals->Unload();
    _glassDecals.reset();
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
