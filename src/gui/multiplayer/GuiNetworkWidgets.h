#pragma once

#include "foundation/math/Vec2.h"
#include "gui/multiplayer/GuiBase.h"

class Material;
class MaterialSystem;

// The overlays of a network game: the score table, the team picker and the ship picker. Each
// draws over the middle of the screen, sized by the screen's width (k = width / 1280).

// The score table: two team halves with their name, kill and death columns.
class GuiNetworkStat : public GuiBase
{
public:
    void Load() override;
    void Unload() override {}
    void Proceed() override;

private:
    Material* _background = nullptr;
};

// What the pickers share: a dark band across the middle of the screen, pictures of 192 x 192
// (times k) on it.
class GuiNetworkPicker : public GuiBase
{
public:
    void Unload() override {}
    virtual void Left() = 0;
    virtual void Right() = 0;
    void Apply() {}

protected:
    // Where this frame's pictures go.
    struct Row
    {
        MaterialSystem* render = nullptr;
        float screenWidth = 0.0f, k = 0.0f, y = 0.0f;
        Vec2 size;
    };
    void LoadBackground();
    // Draws the band and gives the row; false while hidden or without a render device.
    bool BeginRow(Row& row) const;
    void DrawPicture(const Row& row, Material* picture, float x) const;

private:
    Material* _background = nullptr;
};

// The team picker: the two team emblems side by side, the chosen one highlighted.
class GuiNetworkPickSide : public GuiNetworkPicker
{
public:
    static constexpr int TeamCount = 2;

    void Load() override;
    void Proceed() override;
    void Left() override;
    void Right() override;

    int GetSide() const { return _side; }

private:
    Material* _teams[TeamCount] = {};
    Material* _selectedTeams[TeamCount] = {};
    int _side = 0;
};

// The ship picker: the first team's six ships in a row, the chosen one (1..6) highlighted.
class GuiNetworkPickShip : public GuiNetworkPicker
{
public:
    static constexpr int TeamCount = 2;
    static constexpr int ShipCount = 6;

    void Load() override;
    void Proceed() override;
    void Left() override;
    void Right() override;

    int GetSelection() const { return _selection; }

private:
    Material* _ships[TeamCount][ShipCount] = {};
    Material* _selectedShips[TeamCount][ShipCount] = {};
    int _selection = 1;
};
