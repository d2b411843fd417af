#include "game/world/player/HudCalls.h"

void HudShowText(GuiShipHud*, const char*, int) {}

void HudSetSelected(GuiShipHud*, int, bool) {}

void HudSetLevel(GuiShipHud*, int, float) {}

void HudSetPartHealth(GuiShipHud*, int, float) {}

void HudSetPartColor(GuiShipHud*, int, const Color&) {}

void HudSetWeaponColor(GuiShipHud*, int, const Color&) {}

void HudShowPrimary(GuiShipHud*, int) {}

void HudShowSecondary(GuiShipHud*, int) {}

void HudRestartBoost(GuiShipHud*) {}

void HudEnableRadar(GuiShipHud*, bool) {}
