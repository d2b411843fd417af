#pragma once
// The game world's calls into the flight HUD, in one place, by the HUD widgets' own names. The
// player owns the HUD; a null HUD (or a HUD that is not loaded) takes nothing.
class GuiShipHud;
class Ship;
struct Color;

// The message strip: the text for 3 seconds, revealed in the given number of pieces.
void HudShowText(GuiShipHud* hud, const char* text, int style);
// The weaponry panel: weapon slots 0 to 3 selected, and their bars from 0 to 1.
void HudSetSelected(GuiShipHud* hud, int slot, bool selected);
void HudSetLevel(GuiShipHud* hud, int slot, float level);
// The own-ship panel: the health and colour of a damage zone's panel position (0 to 6), and the
// colour of a weapon light (3 to 6).
void HudSetPartHealth(GuiShipHud* hud, int position, float fraction);
void HudSetPartColor(GuiShipHud* hud, int position, const Color& color);
void HudSetWeaponColor(GuiShipHud* hud, int light, const Color& color);
// The crosshair's signs of the selected primary (0 or 1) and secondary (2 or 3) weapon.
void HudShowPrimary(GuiShipHud* hud, int slot);
void HudShowSecondary(GuiShipHud* hud, int slot);
// The speed panel's boost indication starts over.
void HudRestartBoost(GuiShipHud* hud);
// The radar's four models shown or hidden.
void HudEnableRadar(GuiShipHud* hud, bool enable);
// Cracks in the cockpit glass, one at a random place each; none while the ship's shield holds.
void HudAddGlassCracks(GuiShipHud* hud, const Ship* playerShip, int count);
