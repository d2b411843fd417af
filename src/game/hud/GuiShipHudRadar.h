#pragma once
// The radar at the bottom centre: a 2D frame movie, four 3D radar models that float before the
// camera and turn with the ship's heading, red blips with height stems for the enemy fighters
// and large ships within range, a green blip for the own ship, and a scrolling log of contact
// lines beside it (decoration: it shows no real data). Contacts ahead of the camera are drawn
// over the own ship's blip, those behind under it. In a network game only the own blip and the
// log show.
#include "foundation/math/Color.h"
#include "foundation/math/Matrix.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec3.h"

#include <vector>

class Actor;
class FlashLayer;
class Layer;
class Material;
class Model;

class GuiShipHudRadar
{
public:
    static constexpr int ModelCount = 4;
    static constexpr int MaxFrontBlips = 512;
    static constexpr int LogLines = 4;
    static constexpr float Range = 7500.0f;
    static constexpr float BlipSize = 24.0f;
    // The radar disc on the screen, in design units (centre-aligned): centre and radius.
    static constexpr float DiscX = 639.0f, DiscY = 836.0f, DiscRadius = 80.0f;

    struct Contact
    {
        Actor* actor; // not owned
        Vec3 pos;     // its place in the radar this frame
        float size;   // blip edge in design units
    };
    struct Blip
    {
        Vec2 pos, size; // pixels, top-left corner
        Color color;
    };

    // Makes the frame: the layer "RadarLayer" under the root with the movie in it.
    GuiShipHudRadar();
    // Takes the frame out of the layer tree again.
    virtual ~GuiShipHudRadar();
    GuiShipHudRadar(const GuiShipHudRadar&) = delete;
    GuiShipHudRadar& operator=(const GuiShipHudRadar&) = delete;

    virtual void Load();
    virtual void Unload();
    virtual void Proceed();
    // The tracked ships of the level: every "ShipYtgFighter02", then every "ShipYtgSush02"
    // (twice the blip). None in a network game.
    virtual void RefreshContacts();
    virtual void DrawContacts();
    virtual void DrawLog();

    // The four models shown or hidden together (the player follows the screen layers' switch).
    void EnableModels(bool enable);
    Model* GetModel(int index) const { return _models[index]; }
    const std::vector<Contact>& GetContacts() const { return _contacts; }
    const char* GetLogLine(int index) const { return _logLines[index]; }
    Layer* GetRadarLayer() const { return _radarLayer; }

    // Where a contact at `offset` from the camera (in world units, camera axes given) lands on
    // the disc: its blip's centre and the foot of its height stem, in pixels; and whether it
    // lies ahead of the camera.
    static void PlaceOnDisc(const Vec3& offset, const Vec3& right, const Vec3& up, const Vec3& dir, Vec2& blip,
                            Vec2& foot, bool& front);
    // The blips' alpha at a share of the range: 1 up to 0.9, then down to 0 at 1.
    static float RangeAlpha(float t);
    // The heading, the orientation it is measured from and the log's clock back to their start.
    static void ResetShared();
    static float GetHeading() { return _heading; }

private:
    void DrawBlip(const Blip& blip);
    void UpdateModels();

    Model* _models[ModelCount] = {};
    float _modelScales[ModelCount] = {};
    Material* _radarMaterial = nullptr;
    Material* _blipMaterial = nullptr;
    FlashLayer* _contourLayer = nullptr; // owned by the radar layer
    Layer* _radarLayer = nullptr;
    std::vector<Contact> _contacts;
    Blip _frontBlips[MaxFrontBlips] = {};
    int _frontBlipCount = 0;
    float _refreshTimer = 0.0f;
    char _logLines[LogLines][128] = {};
    float _logInterval = 5.0f;
    float _logTime = 999.0f;
    bool _loaded = false;

    static Matrix _lastOrientation;
    static bool _hasLastOrientation;
    static float _heading;
    static float _logCounter;
};
