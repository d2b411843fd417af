#pragma once
// The speed gauges at the bottom centre: the current speed as two mirrored bars, the desired
// speed as two pointers, the flight model's icon, a gear display in their place while the ship
// flies the duplex model, two boost panels that slide outwards when the booster fires with a
// flame animation at that moment, and lamps that tell whether the booster energy is full.
#include "foundation/math/Vec2.h"

class FlashLayer;
class Material;
class SpriteLayer;

class GuiShipHudSpeed
{
public:
    // What one frame shows, as the player's flight model, booster and ship give it.
    struct Flight
    {
        int mode = 0; // the flight model's type + 1: 1 direct, 2 strafe, 3 duplex, 4 comby; 0 none
        float current = 0.0f, desired = 0.0f; // speed in per cent of the flight model
        float gear = 1.0f;                    // negative in reverse
        bool boosting = false;
        float energy = 0.0f;    // booster energy, 0..1
        float speedPerc = 0.0f; // the ship's set speed in per cent
        bool single = true;     // a single-player game
    };
    static constexpr int SpeedLayers = 5;

    GuiShipHudSpeed() = default;
    virtual ~GuiShipHudSpeed();
    GuiShipHudSpeed(const GuiShipHudSpeed&) = delete;
    GuiShipHudSpeed& operator=(const GuiShipHudSpeed&) = delete;

    virtual void Load();
    virtual void Unload();
    // The player's flight, then the drawing.
    virtual void Proceed();
    virtual void DrawBoostFlames();
    virtual void SetThrottle(float throttle);
    virtual void SetNeedleLevel(float level);
    // The flames start and the panels slide out and back.
    virtual void RestartBoost();
    // The bars keep still for that long.
    virtual void HoldLevels(float seconds);
    virtual bool IsLevelHoldEnabled() const { return _holdEnabled; }
    virtual float FlameAlpha1(float x) const;
    virtual float FlameAlpha2(float x) const;
    virtual float FlameAlpha3(float x) const;
    virtual void LeftPointerPos(float d, Vec2& out) const;
    virtual void RightPointerPos(float d, Vec2& out) const;
    virtual void DuplexLeftPointerPos(float x, Vec2& out) const;
    virtual void DuplexRightPointerPos(float x, Vec2& out) const;

    void Proceed(const Flight& flight);
    // The Flight of the current mission's player.
    static Flight PlayerFlight();

    float GetThrottle() const { return _throttle; }
    float GetBoostProgress() const { return _boostProgress; }
    float GetBoostSlide() const { return _boostSlide; }
    float GetEnergyGlow() const { return _energyGlow; }
    FlashLayer* GetSpeedLayer(int index) const { return _speed[index]; }
    FlashLayer* GetBoostLayer(bool right) const { return right ? _boostR : _boostL; }
    // 0 green left, 1 red left, 2 green right, 3 red right.
    SpriteLayer* GetLamp(int index) const { return _lamps[index]; }
    // The green lamps' spin back to its start.
    static void ResetShared() { _lampAngle = 0.0f; }

private:
    enum eSpeedLayer
    {
        LAYER_BACK = 0,
        LAYER_LEVEL_LEFT = 1,
        LAYER_LEVEL_RIGHT = 2,
        LAYER_POINTER_LEFT = 3,
        LAYER_POINTER_RIGHT = 4,
    };

    void DrawFlightModeIcon(const Vec2& pos, int mode, float alpha);
    void DrawDuplexGauge(const Vec2& pos, float a, float b);
    void DrawBars(const Flight& flight);
    void DrawBoostPanels(float energy);

    Material* _modeIcons[4] = {};       // direct, strafe, duplex, comby
    Material* _duplexMaterials[5] = {}; // back, right level, left level, right pointer, left pointer
    Material* _flamesRight[3] = {};
    Material* _flamesLeft[3] = {};
    Material* _greenLamp = nullptr;
    Material* _redLamp = nullptr;
    Material* _heldMaterials[10] = {};
    float _throttle = 0.0f;
    float _needle = 0.0f;
    float _boostProgress = 1.0f; // 1: the flames are over
    float _boostSlide = 0.0f;    // the panels' place after the flames
    float _energyGlow = 1.0f;
    float _holdTime = 0.0f;
    bool _holdActive = false;
    bool _holdEnabled = true;
    FlashLayer* _speed[SpeedLayers] = {};
    FlashLayer* _boostL = nullptr;
    FlashLayer* _boostR = nullptr;
    SpriteLayer* _lamps[4] = {};
    bool _loaded = false;

    static float _lampAngle;
};
