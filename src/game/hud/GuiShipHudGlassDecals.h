#pragma once
// The HUD's record of cracks in the cockpit glass: a debris hit adds one at a random place of
// the screen while the player's shield is down, up to 128. The cracks are recorded, not drawn.
#include "foundation/math/Vec2.h"

#include <cstddef>
#include <vector>

class Material;
class Ship;

class GuiShipHudGlassDecals
{
public:
    static constexpr size_t MaxDecals = 128;
    static constexpr int DecalKinds = 11;

    struct Decal
    {
        Vec2 pos;  // screen pixels of its top-left corner
        int index; // which of the decal materials
    };

    GuiShipHudGlassDecals() = default;
    GuiShipHudGlassDecals(const GuiShipHudGlassDecals&) = delete;
    GuiShipHudGlassDecals& operator=(const GuiShipHudGlassDecals&) = delete;

    // Loads "gui_hud_glass_decal_00.mat" .. "gui_hud_glass_decal_10.mat".
    void Load();
    // A crack for the player's ship of the mission.
    void AddDecal();
    // None while the ship's shield is up, without a ship, or with 128 cracks already.
    void AddDecal(const Ship* playerShip);
    // Forgets every crack.
    void Unload() { _decals.clear(); }

    const std::vector<Decal>& GetDecals() const { return _decals; }

private:
    Material* _decalMaterials[DecalKinds] = {};
    std::vector<Decal> _decals;
};

// A debris chunk hit the player: a crack on the glass of the current mission's player's HUD,
// when there is one.
void AddGlassDecalOnDebrisHit();
