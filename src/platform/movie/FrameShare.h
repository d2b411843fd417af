#pragma once

#include <cstdint>

namespace movie {

// What a movie may take of the game's frames in its thread's time: all its entries of one frame
// together (the timeline's updates, its paints, the host's calls and the canvas work they do).
// A frame that takes less than the share puts the rest by, up to the reserve; a frame that takes
// more draws on it. So a slow frame now and then (a script loading, the first paint of a whole
// screen) is carried, while a movie that keeps taking more than its share spends the reserve,
// about ReserveSeconds of the game's time once it takes most of each frame, and is stopped.
class FrameShare
{
public:
    // Several times the worst frame of the game's own movies (a few milliseconds), and a frame
    // of a game that runs at 50 frames a second.
    static constexpr double ShareSeconds = 0.020;
    // More than one entry may take at all (ScriptBudget::CPUSeconds), so a single slow frame is
    // stopped by the ceiling of its entry, if at all, and never by the share.
    static constexpr double ReserveSeconds = 2.5;

    // The thread time the movie may still take in `frame`, the game's frame number, before it
    // has taken more than its share for too long; frames since the last call are closed first.
    double Allowance(uint64_t frame);
    // Thread time taken in the current frame.
    void Take(double seconds) { _taken += seconds; }

private:
    uint64_t _frame = 0;
    double _taken = 0.0; // seconds in the current frame
    double _reserve = ReserveSeconds;
};

} // namespace movie
