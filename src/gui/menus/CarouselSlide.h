#pragma once

#include "foundation/math/Vec2.h"

// How a row of seven slots glides when its selection moves by one: the selected item sits in the
// centre slot 3 and its neighbours in the slots beside it (the outer two below the screen); the
// animated position follows the selection at four items a second, and while it lags every slot
// is pushed toward its next place and grows or shrinks with the remaining distance. The face,
// map and pilot carousels share it.
class CarouselSlide
{
public:
    static constexpr int SlotCount = 7;
    static constexpr int CentreSlot = 3;
    static constexpr float ItemsPerSecond = 4.0f;
    // Where each slot heads, scaled by the distance left: entry 2k for a move to a higher item,
    // 2k + 1 for one to a lower item.
    static const Vec2 MoveOffsets[2 * SlotCount];

    int GetSelected() const { return _selected; }
    float GetPosition() const { return _position; }
    // The selection glides there.
    void Select(int item) { _selected = item; }
    // The selection and the position jump there.
    void Jump(int item) { _selected = item, _position = float(item); }
    // True when no glide is under way.
    bool CanScroll() const { return _position == float(_selected); }
    // Moves the position toward the selection, never past it.
    void Step(float seconds);
    // The selection less the position: positive while gliding to a higher item.
    float GetDistance() const { return float(_selected) - _position; }
    // 1 at rest, falling to 0 a whole item away.
    float GetShiftAlpha() const;
    // The item the slot shows (may lie outside the items).
    int ItemOfSlot(int slot) const { return _selected - CentreSlot + slot; }
    // Each slot's offset from its base place (design units) and its scale, for the distance left.
    void Layout(Vec2 offsets[SlotCount], float scales[SlotCount]) const;

private:
    int _selected = 0;
    float _position = 0.0f;
};
