#include "SlowPilot.h"

#include <algorithm>
#include <cmath>

#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"

namespace {

constexpr double ReadingTime = 10;     // seconds: the order and the hint come first
constexpr double DecisionPeriod = 0.5; // seconds between two looks
constexpr double TapLength = 0.1;      // seconds a tapped key stays down
constexpr double TorpedoWatch = 3;     // seconds to see a torpedo hit before the next
constexpr double RocketPause = 1;      // seconds between two taps of rockets
constexpr float TorpedoReach = 1000;   // metres: the README's throttle keeps the convoy within it
constexpr float RocketReach = 1000;
// Degrees off the crosshair's middle that the pilot takes for the middle: some 15 pixels at
// 1024 x 768.
constexpr float Unseen = 1;
// Degrees a second that a steering key turns the ship at full speed; at less speed, less.
constexpr float TurnAtFullSpeed = 33;
// Metres a second that a slide key moves the ship sideways.
constexpr float SlideSpeed = 100;
constexpr float Radians = 0.0174533f;

// Every key the pilot works.
constexpr uint32_t Keys[] = {PilotKeys::Space, PilotKeys::Ctrl, PilotKeys::T,  PilotKeys::Q,   PilotKeys::E,
                             PilotKeys::A,     PilotKeys::D,    PilotKeys::Up, PilotKeys::Down};

// An angle in degrees folded into (-90, 90]: a mark rolled to the bottom is as good as one rolled
// to the top.
float Folded(float degrees) { return std::fabs(degrees) <= 90 ? degrees : degrees - std::copysign(180.0f, degrees); }

bool Contains(const std::vector<uint32_t>& keys, uint32_t key)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

Player& Me() { return *game.GetLevel()->GetPlayer(); }

} // namespace

SlowPilot::SlowPilot(ScriptedInput& input, const Foe& foe) : _hands(input), _foe(foe), _nextDecision(ReadingTime) {}

void SlowPilot::Act(float seconds)
{
    // Half a millisecond of slack keeps the float frame lengths from skipping a period.
    if (_time + 0.0005 >= _tapsEnd)
    {
        for (uint32_t key : _tapped)
            _hands.Hold(key, false);
        _tapped.clear();
    }
    if (_time + 0.0005 >= _nextDecision)
    {
        _nextDecision += DecisionPeriod;
        Decide();
    }
    _time += seconds;
}

void SlowPilot::Decide()
{
    _pressed.clear();
    _tapped.clear();
    Sight sight;
    if (Look(sight))
    {
        Steer(sight);
        Fire(sight);
    }
    for (uint32_t key : Keys)
        _hands.Hold(key, Contains(_pressed, key) || Contains(_tapped, key));
    _tapsEnd = _time + TapLength;
}

void SlowPilot::Turn(uint32_t positive, uint32_t negative, float degrees, float rate)
{
    const uint32_t key = degrees > 0 ? positive : negative;
    const float angle = std::fabs(degrees);
    if (angle < Unseen)
        return;
    if (angle >= rate * DecisionPeriod)
        Press(key);
    else if (angle >= rate * TapLength * 0.6f)
        Tap(key);
}

void SlowPilot::Steer(const Sight& sight)
{
    // Too near a cargo ship: over it, and round again once it is well behind.
    _breaking = BreakingAway(_breaking, sight.distance, _foe);

    // The throttle a notch of the wheel a look, to the notches the README names, as the HUD's
    // speed bars show it.
    const FlightModel& flight = *Me().GetFlightModel();
    const float wanted = _foe.notches * 10.0f;
    const float desired = flight.GetSpeedDes();
    if (std::fabs(desired - wanted) > 5)
        _hands.Mouse(0, 0, desired < wanted ? 120 : -120);

    const float rate = TurnAtFullSpeed * flight.GetSpeedCur() * 0.01f;
    if (_breaking)
    {
        Press(PilotKeys::Down); // nose up
        return;
    }
    const float up = sight.off * std::cos(sight.clock * Radians);
    const float side = sight.off * std::sin(sight.clock * Radians);
    if (sight.off > 5)
    {
        // Far off (or behind, the way the arrow points): rolled to the top or the bottom of the
        // crosshair, then pitched onto.
        const float roll = Folded(sight.clock);
        Turn(PilotKeys::D, PilotKeys::A, roll, rate);
        if (std::fabs(roll) < 45)
            Turn(PilotKeys::Down, PilotKeys::Up, up, rate);
        return;
    }
    // Close: pitched onto it and slid sideways the last bit.
    Turn(PilotKeys::Down, PilotKeys::Up, up, rate);
    const float slide = sight.distance * std::tan(side * Radians) / SlideSpeed; // seconds
    const uint32_t key = slide > 0 ? PilotKeys::E : PilotKeys::Q;
    if (std::fabs(slide) >= DecisionPeriod)
        Press(key);
    else if (std::fabs(slide) >= TapLength * 0.6)
        Tap(key);
}

void SlowPilot::Fire(const Sight& sight)
{
    // In the sights: within the marked ship's half width, or the middle of the crosshair.
    const float aim = std::max(2.0f, std::atan(_foe.halfWidth / std::max(sight.distance, 1.0f)) / Radians);
    const bool inSights = !_breaking && sight.off < aim;
    if (inSights && sight.distance < 1050)
        Press(PilotKeys::Space);
    if (_foe.torpedoes)
    {
        if (inSights && sight.distance < TorpedoReach && _time - _lastSecondary >= TorpedoWatch)
        {
            Tap(PilotKeys::Ctrl);
            _lastSecondary = _time;
        }
        return;
    }
    // Rockets turn round to the target that T picks: the HUD's target panel shows it, and the
    // arrow about the crosshair where it is.
    const PlayerShip& ship = *Me().GetShip();
    const Ship* target = ship.GetTarget();
    if (!target || target->IsDead())
    {
        if (sight.distance < RocketReach)
            Tap(PilotKeys::T);
    }
    else if (ship.GetPosition().Distance(target->GetPosition()) < RocketReach && _time - _lastSecondary >= RocketPause)
    {
        Tap(PilotKeys::Ctrl);
        _lastSecondary = _time;
    }
}
