#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/hangar/IConstructionAngar.h"

#include <memory>
#include <string>

class ArcBall;
class Bone;
class GuiConstructionAngar;
class Model;
class ProfileShip;
class UserProfile;

// The hangar, frame "angar": the current pilot's current ship as a 3D model in a hangar hall,
// assembled from the meshes its devices name, turned and zoomed by the player, with the
// hangar's panels over it. Every device the panels choose is fitted through SwitchDevice, which
// changes the ship and exchanges the meshes of its mount. The ship can be shown apart (the
// power and additional slots) or assembled. Leaving the frame saves the pilot.
class ConstructionAngar : public GameFrame, public IConstructionAngar
{
public:
    static constexpr float MinRadius = 1300.0f;
    static constexpr float MaxRadius = 5000.0f;

    ConstructionAngar(GameFrameManager* manager, const char* name);
    ~ConstructionAngar() override;

    void EventSelectUp() override;
    void EventSelectDown() override;
    void EventSelectLeft() override;
    void EventSelectRight() override;
    void EventSelectApply() override;
    void EventSelectDecline() override;
    void EventMousePitch(float value) override;
    void EventMouseYaw(float value) override;
    void ProceedKey(const char& key) override;
    void AddChar(const char& c) override;

    // Fits the device on the current ship and rebuilds the meshes of the mount (type, subType).
    void SwitchDevice(DeviceType* device, int type, int subType) override;
    DeviceType* GetCurrentDevice(int type, int subType) const override;
    // The ship is shown assembled for the weaponry and armour slots, apart for the others.
    void EnterSlot(int type, int subType) override;
    void LeaveSlot(int, int) override {}
    void SetMode(bool apart) { _apart = apart; }
    void SetDeviceType(int category);

    void Yaw(float amount) { _yaw += amount; }
    void Pitch(float amount) { _pitch += amount; }
    // The camera comes closer by twice the amount, within MinRadius..MaxRadius.
    void Zoom(float amount);

    GuiConstructionAngar* GetGUI() const { return _gui.get(); }
    int GetDeviceType() const { return _deviceType; }
    float GetRadius() const { return _radius; }
    bool IsApart() const { return _apart; }
    float GetApartBlend() const { return _blend; }
    Bone* GetShipRoot() const { return _root; }
    // The part bones in attachment order: left side, right side, cockpit front, cockpit rear,
    // plating, spare.
    Bone* GetPartBone(int index) const { return index >= 0 && index < PartCount ? _parts[index] : nullptr; }
    const ProfileShip* GetShownShip() const { return _shownShip; }

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override { Unload(); }

private:
    enum ePart
    {
        PART_LEFT,
        PART_RIGHT,
        PART_COCKPIT_FRONT,
        PART_COCKPIT_REAR,
        PART_PLATING,
        PART_SPARE,
        PartCount,
    };
    // What a mount holds: up to four models.
    struct Mount
    {
        Model* models[4] = {};
    };

    void Load();
    void Unload();
    void ResetVariables();
    void CreateBackground();
    void DestroyBackground();
    void CreateShip();
    void DestroyShip();
    void UpdateStatisticks();
    void ProceedView();
    void ProceedApart();

    // The mounts; each takes the asset names the mesh table gives it.
    void SwitchCannonCourse(const char* asset);
    void SwitchFrontCannon(const char* asset);
    void SwitchWingsCannons(const char* asset);
    void SwitchWingsLaunchers(const char* asset);
    void SwitchWingsTorpeds(const char* asset);
    void SwitchCovered(const char* left, const char* right);
    void SwitchArmorC(const char* first, const char* second);
    void SwitchArmorK(const char* first, const char* second, const char* third, const char* fourth);
    void SwitchArmorP(const char* asset);
    void SwitchArmorS(const char* first, const char* second, const char* third);
    void SwitchArmorZ(const char* first, const char* second, const char* third, const char* fourth);
    void SwitchCockpit(const char* front, const char* rear);
    void SwitchReactor(const char* asset);
    void SwitchReactorConsole(const char* asset);
    void SwitchEngine(const char* asset);
    void SwitchEngineDrive(const char* asset);
    void SwitchEngineDriveCenter(const char* asset);
    void SwitchReactorDrive(const char* asset);
    void SwitchReactorCompressor(const char* asset);
    void SwitchAddIntr(const char* asset);
    void SwitchAddExtr(const char* asset);

    // Destroys what the mount holds.
    void Clear(Mount& mount);
    // A mount of one model under the bone.
    void SwitchSingle(Mount& mount, const char* asset, Bone* parent);
    // A model of the file under the bone, or none for an empty name; mirrored left to right when
    // asked.
    Model* Create(const char* file, Bone* parent, bool mirrored = false);
    // The wing weapon file of the hull's race: "<base>_<CODE><variant>.mod".
    std::string WingFile(const char* asset, const char* variant) const;
    // A wing weapon on the left side and its mirror image on the right.
    void SwitchWingPair(Mount& mount, char (&buffer)[256], const char* asset, bool variant);
    // Flames of the engines' particle set on the drive model's first `count` bones "Omni01",
    // "Omni02", set back 50 units along the bone when asked.
    void AddFlames(Model* drive, int count, bool setBack);

    UserProfile* Profile() const;
    ProfileShip* Ship() const;

    float _yaw = -230.0f;
    float _pitch = 160.0f;
    float _radius = 1500.0f;
    bool _apart = false;
    float _blend = 0.0f;
    Bone* _root = nullptr;
    Bone* _parts[PartCount] = {};
    Model* _background = nullptr;
    Model* _bones = nullptr;
    Mount _structure, _reactor, _reactorDrive, _reactorCompressor, _reactorConsole, _engine, _engineDrive,
        _engineDriveCenter, _covered, _armorC, _armorK, _armorS, _armorP, _armorZ, _cockpit, _cannonCourse,
        _frontCannon, _addIntr, _addExtr, _wingCannons, _wingLaunchers, _wingTorpeds;
    int _deviceType = SDT_NONE;
    std::unique_ptr<ArcBall> _arcBall;
    std::unique_ptr<GuiConstructionAngar> _gui;
    const ProfileShip* _shownShip = nullptr;
    float _hullRace = 0.0f;
    char _wingCannonAsset[256] = {};
    char _wingLauncherAsset[256] = {};
    char _wingTorpedAsset[256] = {};
    char _coveredAsset[256] = {};

    // The mouse wheel's glide, kept for the whole run.
    static int _lastWheelStep;
    static float _zoomSpeed;
};
