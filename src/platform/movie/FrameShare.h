#pragma once

#include <cstdint>

namespace movie {

// What a movie, or the movies of a host together, may take of the game's frames in thread time:
// all the entries of one frame together (the timeline's updates, the paints, the host's calls and
// the canvas work they do). A frame that takes less than the share puts the rest by, up to the
// reserve; a frame that takes more draws on it. So a slow frame now and then (a script loading,
// the first paint of a whole screen) is carried, while what keeps taking more than its share
// spends the reserve, in about `reserve` seconds of the game's time once it takes most of each
// frame.
class FrameShare
{
public:
    struct Figures
    {
        double share;   // thread seconds a frame
        double reserve; // thread seconds put by at most
    };
    explicit FrameShare(const Figures& figures) : _figures(figures), _reserve(figures.reserve) {}

    // The thread time that may still be taken in `frame`, the game's frame number, before more
    // than the share has been taken for too long; frames since the last call are closed first.
    double Allowance(uint64_t frame);
    // Thread time taken in the current frame.
    void Take(double seconds) { _taken += seconds; }
    // Nothing is owed and nothing put by, from the current frame on: after a stop, what is left
    // must take more than a frame's share again before anything else is stopped.
    void Clear();
    // Nothing is put by beyond the reserve: no frame took more than the share for long.
    bool IsFull() const { return _reserve >= _figures.reserve; }

private:
    Figures _figures;
    uint64_t _frame = 0;
    double _taken = 0.0; // seconds in the current frame
    double _reserve;
};

} // namespace movie
