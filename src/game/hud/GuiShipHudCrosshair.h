#pragma once
// The crosshair: the fixed reticle movie in the middle of the screen, a turning box on the
// current target (with a short fly-in when the target changes, yellow while the target is
// scanned and red once the scan is done, and a small damage bar), an arrow about the centre that
// points to the target, badges with level bars on the mission's global targets, arrows with
// distances for global targets off the screen, and four indicators of the active wing and gun.
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec3.h"

class FlashLayer;
class LevelLogic;
class Material;
class Ship;
class Texture;
struct GlobalLevelTarget;

class GuiShipHudCrosshair
{
public:
    enum eIndicator
    {
        INDICATOR_WING_R = 0,
        INDICATOR_WING_G = 1,
        INDICATOR_S_GUN = 2,
        INDICATOR_F_GUN = 3,
    };
    // A target closer to the screen's centre than this lets its arrow fade out.
    static constexpr float CentreRadius = 100.0f;

    GuiShipHudCrosshair() = default;
    virtual ~GuiShipHudCrosshair();
    GuiShipHudCrosshair(const GuiShipHudCrosshair&) = delete;
    GuiShipHudCrosshair& operator=(const GuiShipHudCrosshair&) = delete;

    virtual void Load();
    virtual void Unload();
    // Draws nothing before LoadCursorTexture. Outside a single-player game only the indicators.
    virtual void Proceed();
    virtual void SetColor(const Color& color) { _color = color; }
    virtual Texture* LoadCursorTexture(const char* file);
    virtual void ShowWingR(bool show) { _show[INDICATOR_WING_R] = show; }
    virtual void ShowWingG(bool show) { _show[INDICATOR_WING_G] = show; }
    virtual void ShowSGun(bool show) { _show[INDICATOR_S_GUN] = show; }
    virtual void ShowFGun(bool show) { _show[INDICATOR_F_GUN] = show; }
    virtual void SetSpareLevel(float level) { _spareLevel = level; }
    virtual void SetTargetLevel(float level) { _targetLevel = level; }
    virtual void ShowGlobalLevels(bool show) { _showGlobalLevels = show; }
    virtual void ShowTargetLevel(bool show) { _showTargetLevel = show; }
    // The angle between two vectors in degrees; 0 when either has no length.
    static float AngleBetween(const Vec2& a, const Vec2& b);

    // One frame for the player's ship (null: no mission, or a network game) and the mission's
    // logic with its global targets (null: none).
    void Proceed(Ship* playerShip, const LevelLogic* logic);

    bool IsShown(eIndicator indicator) const { return _show[indicator]; }
    float GetTargetLevel() const { return _targetLevel; }
    float GetFlyIn() const { return _flyIn; }
    float GetBoxAngle() const { return _boxAngle; }
    const Vec2& GetTargetScreenPos() const { return _targetScreenPos; }
    FlashLayer* GetBoxLayer() const { return _boxLayer; }
    FlashLayer* GetReticleLayer() const { return _reticleLayer; }
    // The fly-in's memory of the last target and the target arrow's fade back to their start.
    static void ResetShared();

private:
    void DrawTargetArrowAndGlobals(Ship* playerShip, const LevelLogic* logic);
    void DrawGlobalTargetArrow(float angle, const Vec2& dir, bool behind);
    void DrawTargetBox();
    void DrawGlobalTargetBadge();
    // The unscissored projection of a point, the unit vector from the screen's centre to it and
    // the arrow's angle toward it.
    struct Pointing
    {
        Vec2 screen{0.0f, 0.0f};
        bool behind = false;
        Vec2 dir{0.0f, 0.0f};
        float angle = 0.0f;
    };
    Pointing PointTo(const Vec3& world) const;
    // The distance from the player's ship, truncated, as text in red.
    void DrawDistance(float distance, const Vec2& from, float alpha);

    Material* _crosshairMaterial = nullptr;
    Material* _arrowMaterial = nullptr;
    Color _color{1.0f, 1.0f, 1.0f, 1.0f};
    Material* _boxMaterials[5] = {};
    Material* _spareMaterials[3] = {};
    Material* _globalLevelBgMaterial = nullptr;
    Material* _globalLevelMaterial = nullptr;
    Material* _targetLevelBgMaterial = nullptr;
    Material* _targetLevelMaterial = nullptr;
    Material* _indicatorMaterials[4] = {};
    Material* _globalArrowMaterial = nullptr;
    float _boxAngle = 0.0f;
    float _globalAngle = 0.0f;
    Texture* _cursorTexture = nullptr;
    bool _show[4] = {};
    Vec2 _targetScreenPos{0.0f, 0.0f};
    const Ship* _currentTarget = nullptr;
    float _flyIn = 1.0f;
    Vec2 _globalScreenPos{0.0f, 0.0f};
    Vec3 _globalPosition{0.0f, 0.0f, 0.0f};
    Color _globalColor{1.0f, 1.0f, 1.0f, 1.0f};
    float _globalMax = 0.0f, _globalValue = 0.0f;
    float _globalScale = 1.0f;
    float _spareLevel = 0.0f;
    float _targetLevel = 0.0f;
    bool _showGlobalLevels = true;
    bool _showTargetLevel = true;
    Vec3 _playerPosition{0.0f, 0.0f, 0.0f};
    FlashLayer* _reticleLayer = nullptr;
    FlashLayer* _boxLayer = nullptr;
    bool _loaded = false;

    static const Ship* _lastBoxTarget; // compared only
    static float _targetArrowAlpha;
};
