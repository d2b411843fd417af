#pragma once

#include "gui/multiplayer/GuiBase.h"

class Material;

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

// The team picker: the two team emblems side by side, the chosen one highlighted.
class GuiNetworkPickSide : public GuiBase
{
public:
    static constexpr int TeamCount = 2;

    void Load() override;
    void Unload() override {}
    void Proceed() override;
    void Left();
    void Right();
    void Apply() {}

    int GetSide() const { return _side; }

private:
    Material* _background = nullptr;
    Material* _teams[TeamCount] = {};
    Material* _selectedTeams[TeamCount] = {};
    int _side = 0;
};

// The ship picker: the first team's six ships in a row, the chosen one (1..6) highlighted.
class GuiNetworkPickShip : public GuiBase
{
public:
    static constexpr int TeamCount = 2;
    static constexpr int ShipCount = 6;

    void Load() override;
    void Unload() override {}
    void Proceed() override;
    void Left();
    void Right();
    void Apply() {}

    int GetSelection() const { return _selection; }

private:
    Material* _background = nullptr;
    Material* _ships[TeamCount][ShipCount] = {};
    Material* _selectedShips[TeamCount][ShipCount] = {};
    int _selection = 1;
};
