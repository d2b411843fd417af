#pragma once
// The player's head-up display: owns every HUD widget, loads them in a fixed order when the
// mission starts, proceeds them once a frame in a fixed order and unloads them at the end, and
// hands single widgets out to the game world and the mission logic. The player makes one, loads
// it at once, proceeds it while the screen layers are enabled, and unloads and frees it. The
// mission objectives panel survives an unload and is reused by the next load.
#include <memory>

class GuiMissionObjectives;
class GuiShipHudBigMb;
class GuiShipHudCrosshair;
class GuiShipHudEnemyMsg;
class GuiShipHudEnergy;
class GuiShipHudGlassDecals;
class GuiShipHudMb;
class GuiShipHudRadar;
class GuiShipHudSpeed;
class GuiShipHudStats;
class GuiShipHudTargetInfo;
class GuiShipHudTextMessage;
class GuiShipHudUser;
class GuiShipHudWeaponry;
class Material;

class GuiShipHud
{
public:
    // Pixel positions of the container's own boxes.
    struct Position
    {
        int x = 0, y = 0;
    };

    GuiShipHud();
    // Unloads what is still loaded and frees the objectives panel.
    ~GuiShipHud();
    GuiShipHud(const GuiShipHud&) = delete;
    GuiShipHud& operator=(const GuiShipHud&) = delete;

    // Makes and loads every widget (a second Load first unloads the first).
    void Load();
    // Only between Load and Unload.
    void Proceed();
    void Unload();
    bool IsLoaded() const { return _loaded; }

    GuiShipHudGlassDecals* GetGlassDecals() const { return _glassDecals.get(); }
    GuiShipHudEnemyMsg* GetEnemyMessage() const { return _enemyMessage.get(); }
    GuiShipHudRadar* GetRadar() const { return _radar.get(); }
    GuiShipHudSpeed* GetSpeedHud() const { return _speed.get(); }
    GuiShipHudUser* GetUserShip() const { return _userShip.get(); }
    GuiShipHudCrosshair* GetCrosshairsHud() const { return _crosshair.get(); }
    GuiShipHudTargetInfo* GetTargetInfo() const { return _targetInfo.get(); }
    GuiShipHudTextMessage* GetTextMsg() const { return _textMessage.get(); }
    GuiShipHudBigMb* GetBigMBHud() const { return _bigMb.get(); }
    GuiShipHudMb* GetMBHud() const { return _messageBox.get(); }
    GuiShipHudWeaponry* GetWeaponryHud() const { return _weaponry.get(); }
    GuiShipHudStats* GetStatsHud() const { return _stats.get(); }
    GuiMissionObjectives* GetMissionObjectives() const { return _objectives.get(); }

    const Position& GetCrosshairPos() const { return _crosshairPos; }
    const Position& GetShipPos() const { return _shipPos; }
    const Position& GetRadarPos() const { return _radarPos; }
    int GetLoadScreenWidth() const { return _loadScreenWidth; }

    // The file-level state the widgets share across HUDs (clocks, the target-scan flag, the
    // radar's heading) back to its start, as at the first mission of a run.
    static void ResetSharedState();

private:
    void RecalculatePositions();

    Material* _glassMaterial = nullptr;
    Material* _crosshairBoxMaterial = nullptr;
    Position _crosshairPos;
    Material* _shipMaterial = nullptr;
    Position _shipPos;
    Material* _radarMaterial = nullptr;
    Position _radarPos;
    std::unique_ptr<GuiShipHudGlassDecals> _glassDecals;
    std::unique_ptr<GuiShipHudTargetInfo> _targetInfo;
    std::unique_ptr<GuiShipHudEnemyMsg> _enemyMessage;
    std::unique_ptr<GuiShipHudRadar> _radar;
    std::unique_ptr<GuiShipHudEnergy> _energy;
    std::unique_ptr<GuiShipHudSpeed> _speed;
    std::unique_ptr<GuiShipHudUser> _userShip;
    std::unique_ptr<GuiShipHudCrosshair> _crosshair;
    std::unique_ptr<GuiShipHudBigMb> _bigMb;
    std::unique_ptr<GuiShipHudMb> _messageBox;
    std::unique_ptr<GuiShipHudWeaponry> _weaponry;
    std::unique_ptr<GuiShipHudStats> _stats;
    std::unique_ptr<GuiShipHudTextMessage> _textMessage;
    std::unique_ptr<GuiMissionObjectives> _objectives;
    int _loadScreenWidth = 0;
    bool _loaded = false;
};
