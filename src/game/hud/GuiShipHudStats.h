#pragma once
// The statistics panel: the column in the upper right corner that counts down the mission's
// target groups, one row per group with a plate in one of three sizes, the group's picture,
// its race emblem, its name and the number of its ships still in the level. Mission logic
// fills it by row id; rows are drawn in the order of their ids as text, and a row with no
// ships left is hidden and takes no room.
#include <cstddef>
#include <map>
#include <memory>
#include <string>

class Material;

struct GuiShipHudStatsRow
{
    static constexpr size_t TextSize = 64; // names and race codes of up to 63 bytes

    char name[TextSize] = {};
    // "SMKT", "FSLK", "BLG", "RTB", "TLD", "YTG", "ASP" or "SHA"; any other shows no emblem.
    char raceTag[TextSize] = {};
    Material* icon = nullptr;
    unsigned count = 0;
    int style = 0;     // 2 big, 1 medium, anything else small
    int highlight = 0; // 1 blinks the row
    float highlightTime = 0.0f;
};

class GuiShipHudStats
{
public:
    enum eStyle
    {
        STYLE_BIG = 0,
        STYLE_MEDIUM = 1,
        STYLE_SMALL = 2,
    };
    static constexpr int RaceCount = 8;

    GuiShipHudStats() = default;
    GuiShipHudStats(const GuiShipHudStats&) = delete;
    GuiShipHudStats& operator=(const GuiShipHudStats&) = delete;

    void Load();
    void Proceed();
    // Updates the row of that id (count, style, name and race; the picture stays the first
    // one), or makes it with the picture loaded from `iconFile`. Longer names are cut.
    void SetEntry(const char* id, const char* name, const char* raceTag, const char* iconFile, int style,
                  unsigned count);
    // Null when there is no row of that id.
    const GuiShipHudStatsRow* GetRow(const char* id) const;
    size_t GetRowCount() const { return _rows.size(); }

    // The row plate's style for a row's style value.
    static eStyle StyleOf(int style);
    // The blink shared by every row back to its start.
    static void ResetShared() { _blinkPhase = 0.0f; }

private:
    void DrawRow(GuiShipHudStatsRow& row, float x, float y);
    // The emblem of a race code, null for any other text.
    Material* RaceEmblem(const char* raceTag) const;

    std::map<std::string, std::unique_ptr<GuiShipHudStatsRow>> _rows; // byte-wise order of ids
    Material* _plates[3] = {};
    Material* _lights[3] = {};
    Material* _races[RaceCount] = {};

    static float _blinkPhase;
};
