#include "gui/menus/CarouselSlide.h"

#include <cmath>

const Vec2 CarouselSlide::MoveOffsets[2 * SlotCount] = {
    {200.0f, -1000.0f}, {0.0f, 0.0f},      {100.0f, -45.0f}, {-200.0f, 1000.0f},  {161.0f, -45.0f},
    {-112.0f, 48.0f},   {200.0f, 45.0f},   {-161.0f, 45.0f}, {165.0f, 51.0f},     {-197.0f, -48.0f},
    {200.0f, 1000.0f},  {-154.0f, -45.0f}, {0.0f, 0.0f},     {-150.0f, -1000.0f},
};

void CarouselSlide::Step(float seconds)
{
    const float target = float(_selected);
    if (_position < target)
    {
        _position += ItemsPerSecond * seconds;
        if (_position > target)
            _position = target;
    }
    else if (_position > target)
    {
        _position -= ItemsPerSecond * seconds;
        if (_position < target)
            _position = target;
    }
}

float CarouselSlide::GetShiftAlpha() const { return 1.0f - std::fabs(GetDistance()); }

void CarouselSlide::Layout(Vec2 offsets[SlotCount], float scales[SlotCount]) const
{
    const float d = GetDistance();
    const float a = std::fabs(d);
    for (int k = 0; k < SlotCount; ++k)
    {
        offsets[k] = Vec2(0.0f, 0.0f);
        scales[k] = 1.0f;
    }
    if (d == 0.0f)
        return;
    // Slots 0 to 6 for a glide to a higher item, then to a lower one.
    const float up[SlotCount] = {
        0.2f + 0.8f * a, 1.0f + 0.5f * a, 1.0f + 0.18f * a, 1.0f - 0.2f * a, 1.0f - 0.33f * a, 1.0f - 0.8f * a, 0.0f};
    const float down[SlotCount] = {
        0.0f, 1.0f - 0.8f * a, 1.0f - 0.33f * a, 1.0f - 0.2f * a, 1.0f + 0.18f * a, 1.0f + 0.5f * a, 0.2f + 0.8f * a};
    for (int k = 0; k < SlotCount; ++k)
    {
        offsets[k] = MoveOffsets[2 * k + (d > 0.0f ? 0 : 1)] * a;
        scales[k] = d > 0.0f ? up[k] : down[k];
    }
}
