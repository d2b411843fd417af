#pragma once

#include "foundation/math/Vec2.h"

class Material;

// A point that follows the ship's jet point; it draws nothing, and the hangar screen loads it
// without proceeding it.
class GuiUserJet
{
public:
    void Load() {}
    void Unload() {}
    // Parks the current point at (500, 500).
    void Proceed();
    void SetJetPoint(const Vec2& point) { _jetPoint = point; }
    const Vec2& GetCurrentPoint() const { return _currentPoint; }

private:
    Vec2 _currentPoint{0.0f, 0.0f};
    Vec2 _jetPoint{512.0f, 512.0f};
};

// The ship information panel: nothing to show.
class GuiShipInfo
{
public:
    void Load() {}
    void Unload() {}
    void Proceed() {}
};

// The picture in the upper right corner, "gui_angar_right_top.mat", 256 x 256 pixels at
// (1114, 125); the hangar screen loads it without proceeding it.
class GuiRightTop
{
public:
    void Load();
    void Unload() {}
    void Proceed();

private:
    Material* _material = nullptr;
    Vec2 _pos{0.0f, 0.0f};
};
