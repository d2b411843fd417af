#pragma once

#include "foundation/math/Vec2.h"

class FlashLayer;

// The table of found games in the join section of the multiplayer menu: "multiplayer_table" on
// "swf//table_big.swf", 1280 x 648 design units, centred, in the layer root while it lives. The
// movie keeps the rows and their selection.
class GuiMultiplayerTable
{
public:
    static constexpr int ColumnCount = 5;

    explicit GuiMultiplayerTable(const Vec2& designPos);
    ~GuiMultiplayerTable();
    GuiMultiplayerTable(const GuiMultiplayerTable&) = delete;
    GuiMultiplayerTable& operator=(const GuiMultiplayerTable&) = delete;

    // The caption of column 0..4 ("SetTxt0" .. "SetTxt4"); other columns are ignored.
    void SetTxt(int column, const char* text);
    // Appends a row.
    void AddMission(const char* name, const char* map, const char* type, const char* players, const char* maxPlayers);
    // Empties the table.
    void Reset();
    void EventUp();
    void EventDown();
    // The selected row, or -1 when none is (or the movie does not say).
    int GetSelectedMissionIndex() const;
    void SetAlpha(float alpha);
    void SetVisible(bool visible);

    FlashLayer* GetLayer() const { return _layer; }

private:
    FlashLayer* _layer = nullptr;
};
