#pragma once

#include <functional>

namespace video {

// The time videos play by, in seconds from an origin of the clock's own. The game plays them on
// real time; a test steps a clock of its own. Players read it on their own threads, so it must be
// safe to read from any thread.
using Clock = std::function<double()>;

// Real time, from the steady clock.
Clock SteadyClock();

} // namespace video
