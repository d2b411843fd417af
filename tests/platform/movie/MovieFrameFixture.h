#pragma once

// Movies whose frames cost what a test says on any machine, however loaded: their scripts spin on
// the thread's clock (the host's "Now"), which is what the shares of the frames count.
#include "MovieFixture.h"

#include <memory>
#include <string>

// The thread's time in seconds.
double ThreadSeconds();

class MovieFrameTest : public MovieTest
{
protected:
    void SetUp() override;

    // Movies made from now on play in a group of these bounds.
    void UseBounds(const movie::MovieGroup::Bounds& bounds);
    // A loaded movie that can spin(seconds) comparing long texts (few instructions, so no entry
    // spends its work) and loop(seconds) running instructions, with the log of its loading
    // cleared. Its loading is an entry of its own frame and counts against the share too (the
    // long texts take a while to make on a busy machine): `loading` is its thread time.
    std::unique_ptr<movie::Movie> MakeSpinning(const std::string& script, double& loading,
                                               const std::string& name = "test");
    std::unique_ptr<movie::Movie> MakeSpinning(const std::string& script, const std::string& name = "test");
    // One frame of the movie: its timeline's update, the game's calls of `Work`, a paint of the
    // whole movie. Answers the thread time it took.
    double Play(movie::Movie& m, int workCalls = 0, double workSeconds = 0.0);
    // The game's frame ends: the next begins, and the host forgets the calls (a spin makes many).
    void EndFrame();
    double PlayFrame(movie::Movie& m, int workCalls = 0, double workSeconds = 0.0)
    {
        const double taken = Play(m, workCalls, workSeconds);
        EndFrame();
        return taken;
    }
};
