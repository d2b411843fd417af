#include "platform/movie/FrameShare.h"

#include <algorithm>

namespace movie {

// The frames since the last call each had their share; the last of them took what was taken,
// the ones between took nothing. A frame number that goes back starts a frame too.
double FrameShare::Allowance(uint64_t frame)
{
    if (frame != _frame)
    {
        const double closed = frame > _frame ? double(frame - _frame) : 1.0;
        _reserve = std::min(_figures.reserve, _reserve + _figures.share * closed - _taken);
        _taken = 0.0;
        _frame = frame;
    }
    return _reserve + _figures.share - _taken;
}

void FrameShare::Clear()
{
    _reserve = 0.0;
    _taken = 0.0;
}

} // namespace movie
