#pragma once
// The booster energy: twelve movie frames at the bottom centre, cross-faded by the energy level.
class FlashLayer;
class Material;

class GuiShipHudEnergy
{
public:
    static constexpr int FrameCount = 12;

    GuiShipHudEnergy() = default;
    virtual ~GuiShipHudEnergy();
    GuiShipHudEnergy(const GuiShipHudEnergy&) = delete;
    GuiShipHudEnergy& operator=(const GuiShipHudEnergy&) = delete;

    // The frames "swf//booster_01.swf" .. "booster_12.swf", hidden.
    virtual void Load();
    virtual void Unload();
    // The player's booster energy in a single-player game; otherwise the frames stay as they are.
    virtual void Proceed();
    // The frame below a level of 0..1 (held there), the one above (at most the last) and the
    // share of the way between.
    virtual void SplitLevel(float level, int& lower, int& upper, float& fraction) const;

    // Shows the energy level, 0..1.
    void ShowLevel(float energy);
    FlashLayer* GetFrame(int index) const { return _frames[index]; }

private:
    Material* _material = nullptr;
    FlashLayer* _frames[FrameCount] = {};
    bool _loaded = false;
};
