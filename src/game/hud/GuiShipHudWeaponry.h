#pragma once
// The weaponry panel over the right end of the speed gauge: one movie showing the player ship's four weapon slots,
// which of each group (slots 1 and 2, slots 3 and 4) is selected and each slot's ammunition
// ("+" for unlimited). The movie is told the whole state every frame of a single-player game.
class FlashLayer;
class Ship;

class GuiShipHudWeaponry
{
public:
    static constexpr int SlotCount = 4;

    GuiShipHudWeaponry() = default;
    virtual ~GuiShipHudWeaponry();
    GuiShipHudWeaponry(const GuiShipHudWeaponry&) = delete;
    GuiShipHudWeaponry& operator=(const GuiShipHudWeaponry&) = delete;

    // Every slot present, slots 1 and 3 selected.
    virtual void Load();
    virtual void Unload();
    // The player ship's counts, then the movie's calls; nothing outside a single-player game.
    virtual void Proceed();
    // Slots are numbered 1 to 4.
    virtual void SetPresent1(bool present) { _present[0] = present; }
    virtual void SetPresent2(bool present) { _present[1] = present; }
    virtual void SetPresent3(bool present) { _present[2] = present; }
    virtual void SetPresent4(bool present) { _present[3] = present; }
    virtual void SetSelected1(bool selected) { _selected[0] = selected; }
    virtual void SetSelected2(bool selected) { _selected[1] = selected; }
    virtual void SetSelected3(bool selected) { _selected[2] = selected; }
    virtual void SetSelected4(bool selected) { _selected[3] = selected; }
    // Negative: unlimited.
    virtual void SetCount1(int count) { _count[0] = count; }
    virtual void SetCount2(int count) { _count[1] = count; }
    virtual void SetCount3(int count) { _count[2] = count; }
    virtual void SetCount4(int count) { _count[3] = count; }
    // The fill of each slot's weapon, 0..1 (kept; the movie is not told of it).
    virtual void SetLevel1(float level) { _level[0] = level; }
    virtual void SetLevel2(float level) { _level[1] = level; }
    virtual void SetLevel3(float level) { _level[2] = level; }
    virtual void SetLevel4(float level) { _level[3] = level; }

    // The counts of the ship's first four weapons; a slot the ship has no weapon in keeps its
    // count. Null leaves every count.
    void TakeCounts(const Ship* ship);
    // The calls of one frame: each present slot's state, then its count.
    void SendState();
    // "%d" of a count, or "+" for an unlimited one.
    static void CountText(int count, char (&text)[16]);

    bool IsSelected(int slot) const { return _selected[slot - 1]; }
    int GetCount(int slot) const { return _count[slot - 1]; }
    float GetLevel(int slot) const { return _level[slot - 1]; }
    FlashLayer* GetLayer() const { return _layer; }

private:
    bool _present[SlotCount] = {};
    bool _selected[SlotCount] = {};
    int _count[SlotCount] = {};
    float _level[SlotCount] = {};
    FlashLayer* _layer = nullptr;
    bool _loaded = false;
};
