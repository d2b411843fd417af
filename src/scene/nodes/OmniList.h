#pragma once

class Omni;

// The lights the selection pass found for one frame, at most MaxLights; walked as Begin, then
// while End() is true (a current light exists) Current and Next.
class OmniList
{
public:
    static constexpr unsigned MaxLights = 256;

    void Clear() { _count = 0; }
    // A light past the last slot is dropped (logged once per list).
    void Add(Omni* light);
    unsigned GetSize() const { return _count; }
    void Begin() { _cursor = 0; }
    bool End() const { return _cursor < _count; }
    Omni* Current() const { return _lights[_cursor]; }
    void Next() { ++_cursor; }

private:
    Omni* _lights[MaxLights] = {};
    unsigned _count = 0;
    unsigned _cursor = 0;
    bool _overflowLogged = false;
};
