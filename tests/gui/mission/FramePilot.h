#pragma once
// A pilot that looks and acts every frame: the throttle by the mouse wheel, rolls and pitches by
// the mouse towards the red mark (or the way its arrow points), slides onto it with the strafe
// keys and holds the fire keys while the mark sits in the sights: torpedoes at cargo ships,
// rockets at the fighter ahead that the target key picks, the blasters at either; it breaks
// away before it rams.
#include "MissionPilot.h"

class FramePilot : public Pilot
{
public:
    FramePilot(ScriptedInput& input, const Foe& foe);

    void Act(float seconds) override;

private:
    void Steer(const Sight& sight);

    ScriptedInput& _input;
    PilotHands _hands;
    Foe _foe;
    bool _breaking = false;
};
