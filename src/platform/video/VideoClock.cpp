#include "platform/video/VideoClock.h"

#include <chrono>

namespace video {

Clock SteadyClock()
{
    return [] { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); };
}

} // namespace video
