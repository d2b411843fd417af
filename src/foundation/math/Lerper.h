#pragma once
// A piecewise-linear key curve of a float or a colour over a time parameter, with at most
// MaxKeys keys held inline so that curves copy as plain values. Each key keeps the slope and
// intercept of the segment to the next one, so an evaluation is one search and one
// multiply-add. Before the first key the curve holds the first value, from the last key on
// the last value.
#include "foundation/math/Color.h"

#include <cmath>

template <typename T>
class Lerper
{
public:
    static constexpr unsigned MaxKeys = 100;

    // No keys; the range starts at zero, so it always includes zero.
    Lerper() : _min(Zero()), _max(Zero()) {}
    // One key (0, v).
    explicit Lerper(T v) : _count(1), _min(v), _max(v)
    {
        _keys[0].time = 0.0f;
        _keys[0].value = v;
    }
    Lerper(const Lerper&) = default;
    // Copies only the used keys: a curve assigned an empty one keeps its own key 0, and so
    // evaluates to what it held before.
    Lerper& operator=(const Lerper& other)
    {
        for (unsigned i = 0; i < other._count; ++i)
            _keys[i] = other._keys[i];
        _count = other._count;
        _min = other._min;
        _max = other._max;
        return *this;
    }

    // Inserts the key in time order, or replaces the value of a key at exactly that time.
    // False, with the curve unchanged, for a time that is not finite or a new key when the
    // table is full.
    bool AddKey(float time, const T& value)
    {
        if (!std::isfinite(time))
            return false;
        unsigned i = 0;
        while (i < _count && _keys[i].time < time)
            ++i;
        if (i < _count && _keys[i].time == time)
        {
            _keys[i].value = value;
        }
        else
        {
            if (_count == MaxKeys)
                return false;
            for (unsigned j = _count; j > i; --j)
                _keys[j] = _keys[j - 1];
            _keys[i].time = time;
            _keys[i].value = value;
            ++_count;
        }
        for (unsigned j = 0; j < _count; ++j)
        {
            UpdateSegment(j);
            UpdateRange(j);
        }
        return true;
    }

    T GetValue(float t) const
    {
        if (_count <= 1 || t < _keys[0].time)
            return _keys[0].value;
        for (unsigned i = 1; i < _count; ++i)
        {
            if (_keys[i].time > t)
                return _keys[i - 1].slope * t + _keys[i - 1].intercept;
        }
        return _keys[_count - 1].value;
    }

    unsigned GetCount() const { return _count; }
    float GetKeyTime(unsigned i) const { return _keys[i].time; }
    const T& GetKeyValue(unsigned i) const { return _keys[i].value; }
    // The smallest and largest values the curve has held (never narrowed by a replaced key).
    const T& GetMin() const { return _min; }
    const T& GetMax() const { return _max; }

private:
    struct Key
    {
        float time;
        T value;
        T slope;
        T intercept;
    };

    static T Zero() { return T(0.0f); }

    void UpdateSegment(unsigned j)
    {
        if (j + 1 >= _count)
            return;
        const float span = _keys[j + 1].time - _keys[j].time;
        const float reciprocal = 1.0f / span;
        _keys[j].slope = (_keys[j + 1].value - _keys[j].value) * reciprocal;
        _keys[j].intercept = _keys[j].value - _keys[j].slope * _keys[j].time;
    }

    void UpdateRange(unsigned j)
    {
        if (_keys[j].value < _min)
            _min = _keys[j].value;
        if (_keys[j].value > _max)
            _max = _keys[j].value;
    }

    // Value-initialised: float keys are zero, colour keys white.
    Key _keys[MaxKeys]{};
    unsigned _count = 0;
    T _min;
    T _max;
};
