#pragma once
// The pilot's side of a mission: it has the mission frame make the player's ship, owns the four
// flight models and the player aids, turns the bound input actions into flight, fire,
// weapon-switch and target-pick commands, puts the camera on the ship every frame, shakes it
// on impacts, draws the sun glare, and pauses the game. Not an actor: the mission frame owns it
// and runs it after every actor.
#include <memory>

#include "game/core/gamedata/FlightModelKind.h"
#include "game/world/player/CameraGarbage.h"
#include "game/world/player/CameraParticles.h"
#include "game/world/player/WarningSystem.h"
#include "scene/motion/Shaker.h"

class BoosterSystem;
class FlightModel;
class FlightModelComby;
class FlightModelDirect;
class FlightModelDuplex;
class FlightModelStrafe;
class GuiShipHud;
class InputSystem;
class Material;
class PlayerShip;
class UIHit;

enum eViewMode : int
{
    VIEW_MODE_COCKPIT = 0,
    VIEW_MODE_OUTSIDE = 1,
};

class Player
{
public:
    static constexpr float MaxShake = 30;
    // Half the height of the sun streak's lit band, as a share of its texture, which is black
    // beyond it: only the band of the streak's square is drawn.
    static constexpr float SunStreakHalfBand = 0.0625f;

    Player();
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Makes the ship, the flight models, the aids and the HUD; while the level loads.
    void Initialize();
    void OnLevelStart();
    // Input, camera, aids and HUD; once a frame after every actor.
    void Proceed();
    void ProceedInput();

    // 0 direct, 1 strafe, 2 duplex, 3 comby; any other value selects the direct model cleared.
    void SetFlightModel(int model);
    // The ship prototype's movement values to the four flight models.
    void UpdateMovementParams();
    void SwitchPrimary();
    void SwitchSecondary();
    void PickBestVisibleTarget();
    void PickNearestTarget();
    void funcPickBestVisibleTarget() { PickBestVisibleTarget(); }
    void funcPickNearestTarget() { PickNearestTarget(); }
    // Adds a non-negative amount, at most MaxShake in all.
    void ShakeCamera(float amount);
    void HitEffect(bool shield);
    void SetViewMode(eViewMode mode);
    void SwitchViewMode();

    // Null when the made ship is not a player's ship.
    PlayerShip* GetShip() const { return _ship; }
    // Made and loaded by Initialize.
    GuiShipHud* GetHUD() const { return _hud.get(); }
    BoosterSystem* GetBooster() const { return _booster.get(); }
    FlightModel* GetFlightModel() const { return _flightModel; }
    FlightModelDirect* GetFlightModelDirect() const { return _direct.get(); }
    FlightModelDuplex* GetFlightModelDuplex() const { return _duplex.get(); }
    FlightModelComby* GetFlightModelComby() const { return _comby.get(); }
    CameraParticles& GetCameraParticles() { return _cameraParticles; }
    CameraGarbage& GetCameraGarbage() { return _cameraGarbage; }
    // The ship's weapon slots fired by "Fire1" (0 or 1) and "Fire2" (2 or 3).
    int GetPrimaryIndex() const { return _primary; }
    int GetSecondaryIndex() const { return _secondary; }
    float GetShake() const { return _shake; }
    UIHit* GetHitEffect() const { return _hit.get(); }
    // The wingman's offer of help was heard this mission.
    bool IsHelpRequested() const { return _helpRequested; }
    eViewMode GetViewMode() const { return _viewMode; }

private:
    void UpdateCamera();
    void UpdateSunFlare();
    // A weapon slot with nothing left to fire (or no weapon); unlimited weapons never run out.
    bool IsOutOfAmmunition(int slot) const;
    // "GamePause" released: pauses, or unpauses (a developer reload of the game data first).
    void TogglePause(const InputSystem& input);
    // Fire1, Fire2 and Boost start on a press and stop on a release; a tap inside one frame
    // starts them and stops them at the next frame's reading.
    void ReadFireControls(const InputSystem& input);
    void StopTappedControls();
    void StartPrimary();
    void StopPrimary();
    void StartSecondary();
    void StopSecondary();
    void StartBoost();
    void StopBoost();
    void ReadFlightControls(const InputSystem& input);
    // The AI's best target for the ship, with its sound and the robot's line.
    void PickTarget(const char* sound, const char* voice);

    int _primary = 0;
    int _secondary = 2;
    int _linked = 4;                     // fires together with primary weapon 0
    // Controls tapped inside the last frame, to stop at this frame's reading.
    enum TappedControl : unsigned
    {
        TAPPED_FIRE1 = 1,
        TAPPED_FIRE2 = 2,
        TAPPED_BOOST = 4,
    };
    unsigned _tapped = 0;
    FlightModel* _flightModel = nullptr; // one of the four below
    WarningSystem _warnings;
    CameraGarbage _cameraGarbage;
    CameraParticles _cameraParticles;
    Shaker _shaker; // aimed at the engine's camera
    std::unique_ptr<BoosterSystem> _booster;
    PlayerShip* _ship = nullptr; // an actor of the mission frame
    std::unique_ptr<GuiShipHud> _hud;
    std::unique_ptr<UIHit> _hit;
    Material* _sunGlow = nullptr;
    Material* _sunFlare = nullptr;
    Material* _sunStreak = nullptr;
    std::unique_ptr<FlightModelComby> _comby;
    std::unique_ptr<FlightModelDirect> _direct;
    std::unique_ptr<FlightModelDuplex> _duplex;
    std::unique_ptr<FlightModelStrafe> _strafe;
    float _shake = 0;
    bool _helpRequested = false;
    eViewMode _viewMode = VIEW_MODE_COCKPIT;
};
