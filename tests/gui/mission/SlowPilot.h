#pragma once
// A pilot who reacts slowly: it reads the order and the hint first, then looks and decides only
// every half second and keeps its keys as they are in between. It flies as the README tells a
// newcomer: the throttle set by notches of the mouse wheel, the arrows and A / D held or tapped to
// pitch and roll the red mark into the crosshair (or round, the way its arrow points), Q / E to
// slide onto it, the blasters held while the mark sits in the sights, and short taps of Ctrl: a
// torpedo at a cargo ship in the crosshair and in reach, then a wait to see it hit; rockets at the
// fighter that T has picked, wherever it is. It pulls up before it rams a cargo ship.
#include <vector>

#include "MissionPilot.h"

class SlowPilot : public Pilot
{
public:
    SlowPilot(ScriptedInput& input, const Foe& foe);

    void Act(float seconds) override;

private:
    void Decide();
    void Steer(const Sight& sight);
    void Fire(const Sight& sight);
    // Down now and let go a short fixed time later.
    void Tap(uint32_t key) { _tapped.push_back(key); }
    // Down until the next decision.
    void Press(uint32_t key) { _pressed.push_back(key); }
    // A turn of `degrees` (the first key's way when positive) at `rate` degrees a second: a key
    // held for the half second, a tap, or none when even a tap would overshoot or the pilot
    // does not see the difference.
    void Turn(uint32_t positive, uint32_t negative, float degrees, float rate);

    PilotHands _hands;
    Foe _foe;
    std::vector<uint32_t> _pressed, _tapped; // by the last decision
    double _time = 0;                        // seconds flown
    double _nextDecision;                    // when the pilot looks again
    double _tapsEnd = 0;                     // when the keys tapped at the last decision are let go
    double _lastSecondary = -100;
    bool _breaking = false;
};
