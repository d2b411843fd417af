#pragma once

#include "platform/movie/FrameShare.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace movie {

class MovieScript;

// The movies a host plays, budgeted together on top of each one's own bounds: however many movies
// a screen has, all of them share one part of the game's frames and one memory bound. When they
// keep taking more than their common share for longer than its reserve lasts, the movie that took
// the most since the group last had its whole reserve is stopped, as a movie over its own share
// is; then the next, if what is left takes more than a frame's share again. A script's block of
// memory or an image that would take the movies past the bound is refused: the script is stopped
// as out of memory, the image stays missing.
//
// As with one movie's limit, the bound counts garbage the scripts' collectors have yet to reach.
// Once the memory in use passes a mark, halfway from where it was when the last mark was passed
// to the bound, every member collects its garbage: at once between its calls, or before its next
// instruction while one is under way.
class MovieGroup
{
public:
    struct Bounds
    {
        // One movie's share: several times the worst frame of the game's own movies (a few
        // milliseconds), and a frame of a game that runs at 50 frames a second. The reserve is more
        // than one entry may take at all (ScriptBudget::CPUSeconds), so a single slow frame is
        // stopped by the ceiling of its entry, if at all, and never by the share.
        FrameShare::Figures movie = {0.020, 2.5};
        // All the movies' share: one movie's and, beside it, ten times what all the movies of the
        // busiest screen take (half a millisecond a frame, a few when a screen loads). So a movie
        // that keeps to its own share is not stopped for the others, while of eight that each
        // take most of theirs all are stopped but the one the screen can carry.
        FrameShare::Figures together = {0.025, 2.5};
        // Twice what one movie may hold, and forty times what the game's busiest screen holds.
        size_t memory = 128u << 20;
    };

    MovieGroup() : MovieGroup(Bounds()) {}
    explicit MovieGroup(const Bounds& bounds);
    MovieGroup(const MovieGroup&) = delete;
    MovieGroup& operator=(const MovieGroup&) = delete;

    const Bounds& GetBounds() const { return _bounds; }

    // The scripts of the group's movies, from when they are made until they are freed.
    void Join(MovieScript& member);
    void Leave(MovieScript& member);
    // An entry into a member begins in `frame`, the game's frame number: when the movies have kept
    // taking more than their share for too long, the member that took the most is stopped (perhaps
    // the one entered).
    void Enter(uint64_t frame);
    // The entry has returned after taking `seconds` of the thread's time. An entry made inside
    // another's (a movie calls the host, which calls another movie) is the inner member's time,
    // not the outer one's.
    void Take(MovieScript& member, double seconds);

    // Bytes a member's script or images are to hold; false, and nothing taken, past the bound,
    // unless `always` (a script between its calls, collected or closed). Safe inside a script's
    // allocator.
    bool Claim(size_t bytes, bool always = false);
    void Release(size_t bytes);
    size_t GetUsed() const { return _used; }

private:
    struct Member
    {
        MovieScript* script;
        double taken; // thread seconds since the group last had its whole reserve
    };

    Bounds _bounds;
    FrameShare _share;
    uint64_t _frame = 0;
    std::vector<Member> _members;
    std::vector<double> _nested; // an entry under way each, with the time of the entries inside it
    size_t _used = 0;            // bytes
    size_t _collectAt = 0;       // bytes in use past which the members collect their garbage
};

} // namespace movie
