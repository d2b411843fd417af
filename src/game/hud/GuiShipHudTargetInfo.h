#pragma once
// The target panel in the lower left corner: a picture of the player's current target with four
// level bars (shield, hull and two fixed readings), and a scanner that, once a target is chosen
// and on the screen, runs a scan over it (rotating rings, a scanner arrow and code typing out)
// and then settles on the panel with a flash. When the scan has finished it raises the flag
// that turns the crosshair's target box red; the HUD proceeds the panel before the crosshair.
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"

#include <cstddef>
#include <string>

class FlashLayer;
class LineLayer;
class Material;
class Ship;
class SpriteLayer;

class GuiShipHudTargetInfo
{
public:
    static constexpr int LevelCount = 4;
    static constexpr size_t NameSize = 64;
    // Scan stages by the seconds since the target was chosen.
    static constexpr float ScanStart = 1.0f;
    static constexpr float SettleStart = 2.5f;
    static constexpr float ScanEnd = 2.6f;
    static constexpr float FlashLength = 0.45f;

    GuiShipHudTargetInfo() = default;
    ~GuiShipHudTargetInfo();
    GuiShipHudTargetInfo(const GuiShipHudTargetInfo&) = delete;
    GuiShipHudTargetInfo& operator=(const GuiShipHudTargetInfo&) = delete;

    void Load();
    void Unload();
    // The player ship's target in a single-player game, else none.
    void Proceed();
    void Proceed(Ship* target);

    void SetName(const char* name);
    // Ignored unless 0 <= value <= 1.
    void SetLevel(int index, float value);
    void RecalculatePositions();
    // From a pale blue at 0 to red at 1.
    static Color LevelColor(float x);

    float GetLevel(int index) const { return _levels[index]; }
    const char* GetName() const { return _targetName; }
    float GetScanTime() const { return _scanTime; }
    float GetScanDone() const { return _scanDone; }
    const Vec2& GetRingPos() const { return _ringPosA; }
    const Vec2& GetPanelAnchor() const { return _panelAnchor; }
    // The decorative code blocks (700, 156 and 140 bytes).
    const std::string& GetCodeText(int index) const { return _codeTexts[index]; }
    FlashLayer* GetShipMovie() const { return _shipMovie; }
    SpriteLayer* GetLevelBar(int index) const { return _levelBars[index]; }
    LineLayer* GetLevelLine(int index) const { return _levelLines[index]; }
    SpriteLayer* GetScanFlash() const { return _scanFlash; }

    // Whether the scan of the current target has finished this frame (the crosshair reads it).
    static bool IsTargetScanDone() { return _targetScanDone; }
    // The clocks and the flag shared by every panel back to their start.
    static void ResetShared();

private:
    void UpdateBars();
    void UpdateScan(Ship* target);
    void DrawScanner(const Vec2& pos, float progress, float fade);

    Material* _panelMaterial = nullptr;
    Material* _warningMaterial = nullptr;
    Material* _levelIconMaterials[LevelCount] = {};
    Material* _levelLineMaterial = nullptr;
    float _levels[LevelCount] = {};
    Material* _longBarMaterial = nullptr;
    Material* _shortBarMaterial = nullptr;
    SpriteLayer* _levelIcons[LevelCount] = {};
    SpriteLayer* _levelBars[LevelCount] = {};
    LineLayer* _levelLines[LevelCount] = {};
    Material* _circleMaterials[4] = {};
    Material* _scanLineMaterial = nullptr;
    Material* _scanArrowMaterial = nullptr;
    Material* _scanWhiteMaterial = nullptr;
    SpriteLayer* _rings[3] = {};
    SpriteLayer* _scanFrame = nullptr;
    SpriteLayer* _scanFlash = nullptr;
    FlashLayer* _scanCircle = nullptr;
    Vec2 _ringPosA{-999.0f, -999.0f};
    Vec2 _ringPosB{-999.0f, -999.0f};
    Vec2 _panelAnchor{0.0f, 0.0f};
    const Ship* _scanTarget = nullptr; // compared only: it is the player's target while it is used
    float _scanTime = 0.0f;
    float _scanDone = 0.0f;
    std::string _codeTexts[3];
    char _targetName[NameSize] = {};
    FlashLayer* _shipMovie = nullptr;
    bool _loaded = false;

    static float _scanClock;
    static float _flashTime;
    static bool _targetScanDone;
};
