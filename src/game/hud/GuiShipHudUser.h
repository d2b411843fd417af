#pragma once
// The own-ship panel: a schematic of the player's ship with its weapons and two turning rings
// (movies at the lower right), two shield arcs, the energy-shield column with its two pointers on
// the left, seven part pictures tinted by each part's health, and four level indicators at the
// lower right (shield, hull and two fixed readings).
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"

#include <vector>

class FlashLayer;
class LineLayer;
class Material;
class Ship;
class SpriteLayer;

class GuiShipHudUser
{
public:
    static constexpr int PartCount = 7;
    static constexpr int LevelCount = 4;
    static constexpr int MovieCount = 6;

    GuiShipHudUser() = default;
    virtual ~GuiShipHudUser();
    GuiShipHudUser(const GuiShipHudUser&) = delete;
    GuiShipHudUser& operator=(const GuiShipHudUser&) = delete;

    virtual void Load();
    virtual void Unload();
    // The player ship's shield and hull, then the drawing.
    virtual void Proceed();
    // Ignored unless 0 <= value <= 1, and for an index out of 0..3.
    virtual void SetLevelValue(unsigned char index, float value);
    virtual void SetLevelShown(unsigned char index, bool shown);
    // Indices out of 0..6 are ignored.
    virtual void SetPartColor(int index, const Color& color);
    virtual void SetPartHealth(int index, float health);
    virtual void SetWeaponColor(int index, const Color& color);
    // The shield pointers' places for a shield level, in design units.
    virtual void UpperPointerPos(float x, Vec2& out) const;
    virtual void LowerPointerPos(float x, Vec2& out) const;
    // Transparent at 0, red from 1 %, yellow at half, green whole; held outside 0..1.
    virtual Color HealthColor(float health) const;

    // One frame with the ship's values (null keeps the last ones).
    void Proceed(const Ship* ship);

    float GetLevelValue(int index) const { return _levelValue[index]; }
    float GetPartHealth(int index) const { return _partHealth[index]; }
    const Color& GetPartColor(int index) const { return _partColor[index]; }
    const Color& GetWeaponColor(int index) const { return _weaponColor[index]; }
    FlashLayer* GetMovie(int index) const { return _movies[index]; }
    SpriteLayer* GetLevelBar(int index) const { return _levelBars[index]; }
    LineLayer* GetLevelLine(int index) const { return _levelLines[index]; }
    // The rings' clock back to its start.
    static void ResetShared() { _ringClock = 0.0f; }

private:
    enum eMovie
    {
        MOVIE_ARC_LEFT = 0,
        MOVIE_ARC_RIGHT = 1,
        MOVIE_SHIP = 2,
        MOVIE_RING_1 = 3,
        MOVIE_RING_2 = 4,
        MOVIE_WEAPONS = 5,
    };

    void DrawLevels();
    void DrawShieldColumn();
    void DrawParts();

    Material* _shieldLevelMaterial = nullptr;
    Material* _pointerTopMaterial = nullptr;
    Material* _pointerBottomMaterial = nullptr;
    Material* _partMaterials[PartCount] = {};
    Material* _badgeMaterials[LevelCount] = {};
    Material* _lineMaterial = nullptr;
    std::vector<Material*> _heldMaterials; // loaded with the panel, not drawn
    float _partHealth[PartCount] = {};
    Color _partColor[PartCount];
    Color _weaponColor[PartCount];
    float _levelValue[LevelCount] = {};
    bool _levelShown[LevelCount] = {};
    FlashLayer* _movies[MovieCount] = {};
    SpriteLayer* _levelBadges[LevelCount] = {};
    SpriteLayer* _levelBars[LevelCount] = {};
    LineLayer* _levelLines[LevelCount] = {};
    bool _loaded = false;

    static float _ringClock;
};
