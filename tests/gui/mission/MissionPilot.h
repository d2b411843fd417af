#pragma once
// What the scripted pilots of the mission tests share: the nearest red mark of the mission as
// the HUD shows it, and hands on the shipped bindings that keep every key as they last left it.
// The pilots see only what the HUD shows; nothing is drawn.
#include <array>
#include <cstdint>

class ScriptedInput;
struct Vec3;

// Scan codes of the shipped bindings.
namespace PilotKeys {
constexpr uint32_t Space = 57, Ctrl = 29, T = 20, G = 34, Q = 16, E = 18, A = 30, D = 32, Up = 200, Down = 208;
}

// What a pilot makes of the mission's marks: how wide the marked ships are, how near it comes
// before it breaks away, the throttle the README names for them and the secondary weapon.
struct Foe
{
    float halfWidth;
    float breakAway;
    int notches;    // of the mouse wheel, a tenth of full speed each
    bool torpedoes; // else rockets at the target
};
constexpr Foe CargoShips{20, 350, 2, true};
constexpr Foe Fighters{10, 60, 4, false};

// An attack run: in close, away before ramming, and round again once well clear. Whether the
// pilot breaks away at this distance, given whether it was breaking away.
bool BreakingAway(bool breaking, float distance, const Foe& foe);

// Where the HUD shows a point: its offset from the screen's centre in pixels (y down), whether it
// lies behind the pilot (the crosshair turns its arrow round then), and how far it is (the HUD
// writes it beside the arrow; on the screen a pilot judges it by the size of the ship). `off` is
// its angle from the middle of the crosshair and `clock` the way there, both in degrees: 0 is
// straight up, 90 to the right, as the arrow by the crosshair points.
struct Sight
{
    float x = 0, y = 0;
    bool behind = false;
    float distance = 0;
    float off = 0, clock = 0;
};

// A point as the crosshair projects it.
void Project(const Vec3& point, Sight& sight);
// The nearest red mark of the mission; false when there is none.
bool Look(Sight& sight);
// Whether the target in the crosshair's box is the ship under the sight.
bool Boxed(const Sight& sight);

// Keys held or released through the scripted keyboard, each only when it changes, as a hand
// presses and lets go; the mouse moved for the next frame.
class PilotHands
{
public:
    explicit PilotHands(ScriptedInput& input) : _input(input) {}

    void Hold(uint32_t key, bool down);
    bool Holds(uint32_t key) const { return _held[key & 0xff]; }
    void Mouse(int dx, int dy, int wheel);

private:
    ScriptedInput& _input;
    std::array<bool, 256> _held{};
};

// A pilot flying a mission: called before each frame with the frame's length.
class Pilot
{
public:
    virtual ~Pilot() = default;
    virtual void Act(float seconds) = 0;
};
