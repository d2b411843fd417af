#include "game/hud/HudCurves.h"

namespace {

// The index of the key pair around x and the share of the way from the first to the second;
// -1 below the first key, the last index above the last.
template <class Key>
int Segment(std::initializer_list<Key> keys, float x, float& t)
{
    const Key* k = keys.begin();
    const int n = int(keys.size());
    t = 0.0f;
    if (n == 0 || x <= k[0].x)
        return -1;
    for (int i = 0; i + 1 < n; ++i)
    {
        if (x <= k[i + 1].x)
        {
            const float span = k[i + 1].x - k[i].x;
            t = span > 0.0f ? (x - k[i].x) / span : 1.0f;
            return i;
        }
    }
    return n - 1;
}

} // namespace

float HudCurve(std::initializer_list<HudKey> keys, float x)
{
    if (keys.size() == 0)
        return 0.0f;
    float t;
    const int i = Segment(keys, x, t);
    const HudKey* k = keys.begin();
    if (i < 0)
        return k[0].y;
    if (i == int(keys.size()) - 1)
        return k[i].y;
    return k[i].y + (k[i + 1].y - k[i].y) * t;
}

Color HudColorCurve(std::initializer_list<HudColorKey> keys, float x)
{
    if (keys.size() == 0)
        return Color(0.0f, 0.0f, 0.0f, 0.0f);
    float t;
    const int i = Segment(keys, x, t);
    const HudColorKey* k = keys.begin();
    if (i < 0)
        return k[0].color;
    if (i == int(keys.size()) - 1)
        return k[i].color;
    return HudMix(k[i].color, k[i + 1].color, t);
}

Color HudMix(const Color& a, const Color& b, float t)
{
    Color out;
    a.Lerp(b, t, out);
    return out;
}
