#include "FramePilot.h"

#include <algorithm>
#include <cmath>

#include "ScriptedInput.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/Player.h"

FramePilot::FramePilot(ScriptedInput& input, const Foe& foe) : _input(input), _hands(input), _foe(foe) {}

void FramePilot::Act(float)
{
    Sight sight;
    if (Look(sight))
        Steer(sight);
}

void FramePilot::Steer(const Sight& sight)
{
    _breaking = BreakingAway(_breaking, sight.distance, _foe);

    // The throttle by the wheel, a notch a frame, as the HUD's speed bars show it: full while the
    // mark is far, less near it.
    const float wanted = sight.distance > 1400 ? 100.0f : 40.0f;
    const float desired = game.GetLevel()->GetPlayer()->GetFlightModel()->GetSpeedDes();
    const int wheel = desired < wanted - 5 ? 120 : desired > wanted + 5 ? -120 : 0;

    float x = sight.x, y = sight.y;
    const float radius = std::sqrt(x * x + y * y);
    if (sight.behind || !std::isfinite(radius))
    {
        // The arrow points the other way round: turn hard.
        const float scale = radius > 0 && std::isfinite(radius) ? -1000 / radius : 0;
        x *= scale;
        y = scale != 0 ? y * scale : -1000;
    }
    int dx = 0, dy = 0;
    if (_breaking)
    {
        dy = 150; // nose up, over the mark
    }
    else
    {
        // The mark's angle from straight up, clockwise: rolled to the top or the bottom, then
        // pitched onto.
        const float angle = std::atan2(x, -y) * 57.29578f;
        float roll = std::fabs(angle) <= 90 ? angle : angle - std::copysign(180.0f, angle);
        if (std::sqrt(x * x + y * y) < 60)
            roll = 0;
        const float aligned = std::clamp(1 - std::fabs(roll) / 30, 0.0f, 1.0f);
        dx = static_cast<int>(std::clamp(roll * 3.0f, -150.0f, 150.0f));
        dy = static_cast<int>(std::clamp(-y * 0.8f * aligned, -150.0f, 150.0f));
    }
    _input.MouseMove(dx, dy, wheel);
    const bool near = !_breaking && !sight.behind && radius < 60;
    _hands.Hold(PilotKeys::E, near && sight.x > 3);
    _hands.Hold(PilotKeys::Q, near && sight.x < -3);

    const float half = std::max(6.0f, _foe.halfWidth * 560 / std::max(sight.distance, 1.0f));
    const bool inSights =
        !_breaking && !sight.behind && std::fabs(sight.x) < half && std::fabs(sight.y) < half && sight.distance < 1050;
    _hands.Hold(PilotKeys::Space, inSights);
    if (_foe.torpedoes)
    {
        _hands.Hold(PilotKeys::Ctrl, inSights);
        return;
    }
    // Rockets follow the target that the crosshair's box shows: the target key picks the enemy
    // nearest the nose when the box is not on the mark ahead.
    const bool ahead = !_breaking && !sight.behind && radius < 100 && sight.distance < 1400;
    const bool boxed = Boxed(sight);
    _hands.Hold(PilotKeys::T, ahead && !boxed && !_hands.Holds(PilotKeys::T));
    _hands.Hold(PilotKeys::Ctrl, ahead && boxed);
}
