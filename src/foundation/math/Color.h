#pragma once
// RGBA colour of four unclamped floats, packed to 32-bit words for the device and vertex formats.
#include <cstdint>

struct Color
{
    float r, g, b, a;

    constexpr Color() : r(1.0f), g(1.0f), b(1.0f), a(1.0f) {}
    constexpr Color(float r_, float g_, float b_) : r(r_), g(g_), b(b_), a(1.0f) {}
    constexpr explicit Color(float x) : r(x), g(x), b(x), a(x) {}
    constexpr Color(float r_, float g_, float b_, float a_) : r(r_), g(g_), b(b_), a(a_) {}
    // Unpacks an ARGB word.
    explicit Color(uint32_t argb) { *this = argb; }
    Color& operator=(uint32_t argb);

    void Set(float r_, float g_, float b_, float a_)
    {
        r = r_;
        g = g_;
        b = b_;
        a = a_;
    }

    // Each channel is the component times 255 truncated toward zero, low 8 bits kept:
    // no clamping, so out-of-range components wrap.
    uint32_t ARGB() const { return Pack(a, r, g, b); }
    uint32_t ABGR() const { return Pack(a, b, g, r); }
    uint32_t BGRA() const { return Pack(b, g, r, a); }
    uint32_t RGBA() const { return Pack(r, g, b, a); }

    void Scale(float s) { Scale(s, *this); }
    void Scale(float s, Color& out) const { out.Set(r * s, g * s, b * s, a * s); }
    void Add(const Color& c) { Add(c, *this); }
    void Add(const Color& c, Color& out) const { out.Set(r + c.r, g + c.g, b + c.b, a + c.a); }
    void Subtract(const Color& c) { Subtract(c, *this); }
    void Subtract(const Color& c, Color& out) const { out.Set(r - c.r, g - c.g, b - c.b, a - c.a); }
    void Modulate(const Color& c) { Modulate(c, *this); }
    void Modulate(const Color& c, Color& out) const { out.Set(r * c.r, g * c.g, b * c.b, a * c.a); }
    // 1 - x for all four components, alpha included.
    void Negative() { Negative(*this); }
    void Negative(Color& out) const { out.Set(1.0f - r, 1.0f - g, 1.0f - b, 1.0f - a); }
    void Lerp(const Color& c, float t) { Lerp(c, t, *this); }
    void Lerp(const Color& c, float t, Color& out) const
    {
        out.Set(r + (c.r - r) * t, g + (c.g - g) * t, b + (c.b - b) * t, a + (c.a - a) * t);
    }
    // Towards (s < 1) or away from (s > 1) the luminance grey; alpha unchanged.
    void AdjustSaturation(float s) { AdjustSaturation(s, *this); }
    void AdjustSaturation(float s, Color& out) const;
    // About 0.5, alpha included.
    void AdjustContrast(float k) { AdjustContrast(k, *this); }
    void AdjustContrast(float k, Color& out) const;

    Color operator+(const Color& c) const
    {
        Color o;
        Add(c, o);
        return o;
    }
    Color operator-(const Color& c) const
    {
        Color o;
        Subtract(c, o);
        return o;
    }
    Color& operator+=(const Color& c)
    {
        Add(c);
        return *this;
    }
    Color& operator-=(const Color& c)
    {
        Subtract(c);
        return *this;
    }
    Color operator*(float s) const
    {
        Color o;
        Scale(s, o);
        return o;
    }
    Color operator/(float s) const { return *this * (1.0f / s); }
    Color& operator*=(float s)
    {
        Scale(s);
        return *this;
    }
    Color operator^(const Color& c) const
    {
        Color o;
        Modulate(c, o);
        return o;
    }
    Color& operator^=(const Color& c)
    {
        Modulate(c);
        return *this;
    }
    Color operator-() const
    {
        Color o;
        Negative(o);
        return o;
    }

    bool operator==(const Color& c) const { return r == c.r && g == c.g && b == c.b && a == c.a; }
    bool operator!=(const Color& c) const { return !(*this == c); }
    // Ordered by the sum of the four components.
    bool operator<(const Color& c) const { return Sum() < c.Sum(); }
    bool operator>(const Color& c) const { return Sum() > c.Sum(); }

private:
    float Sum() const { return r + g + b + a; }
    static uint32_t Channel(float x);
    static uint32_t Pack(float c3, float c2, float c1, float c0)
    {
        return Channel(c3) << 24 | Channel(c2) << 16 | Channel(c1) << 8 | Channel(c0);
    }
};
