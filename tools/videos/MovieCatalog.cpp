#include "videos/MovieCatalog.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFps = 25;
constexpr float kTwoPi = 6.2831853f;

struct Rgb
{
    float r = 0, g = 0, b = 0;
    Rgb operator+(const Rgb& o) const { return {r + o.r, g + o.g, b + o.b}; }
    Rgb operator*(float s) const { return {r * s, g * s, b * s}; }
};

void Put(uint8_t* pixel, const Rgb& c)
{
    auto byte = [](float v) { return static_cast<uint8_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
    pixel[0] = byte(c.b);
    pixel[1] = byte(c.g);
    pixel[2] = byte(c.r);
    pixel[3] = 255;
}

// Paints every pixel with `shade(x, y)`.
template <typename Shade>
void PaintAll(uint8_t* pixels, int pitch, Shade shade)
{
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            Put(pixels + y * pitch + x * 4, shade(float(x), float(y)));
}

float Smooth(float edge0, float edge1, float v)
{
    const float t = std::clamp((v - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float Blob(float x, float y, float cx, float cy, float radius)
{
    const float dx = x - cx, dy = y - cy;
    return std::exp(-(dx * dx + dy * dy) / (radius * radius));
}

// The studio emblem: a ring opening around a diamond, a light sweeping across it, the whole
// fading in and out.
void PaintLogo(int index, uint8_t* pixels, int pitch, int frames)
{
    const float t = float(index) / float(frames - 1);
    const float fade = Smooth(0.0f, 0.25f, t) * (1.0f - Smooth(0.75f, 1.0f, t));
    const float ringRadius = 40.0f + 30.0f * Smooth(0.0f, 0.6f, t);
    const float sweep = -60.0f + 440.0f * t;
    PaintAll(pixels, pitch, [&](float x, float y) {
        const float dx = x - kWidth / 2, dy = y - kHeight / 2;
        const float r = std::sqrt(dx * dx + dy * dy);
        Rgb c = Rgb{0.02f, 0.03f, 0.08f} * (1.0f - r / 400.0f);
        const float ring = 1.0f - Smooth(2.0f, 5.0f, std::fabs(r - ringRadius));
        c = c + Rgb{0.2f, 0.8f, 1.0f} * ring;
        const float diamond = 1.0f - Smooth(26.0f, 29.0f, std::fabs(dx) + std::fabs(dy));
        const float light = std::exp(-std::pow((x + y * 0.3f - sweep) / 18.0f, 2.0f));
        c = c + Rgb{1.0f, 0.55f, 0.1f} * diamond + Rgb{0.8f, 0.8f, 0.8f} * (diamond * light);
        return c * fade;
    });
}

// Deep space: two nebulae circling slowly and twinkling stars.
void PaintMenu(int index, uint8_t* pixels, int pitch, int frames)
{
    const float phase = kTwoPi * float(index) / float(frames);
    PaintAll(pixels, pitch, [&](float x, float y) {
        Rgb c = Rgb{0.02f, 0.03f, 0.10f} * (1.0f - y / kHeight) + Rgb{0.0f, 0.0f, 0.03f};
        c = c + Rgb{0.35f, 0.10f, 0.45f} * Blob(x, y, 160 + 60 * std::cos(phase), 110 + 30 * std::sin(phase), 70);
        c = c + Rgb{0.05f, 0.25f, 0.35f} * Blob(x, y, 220 - 50 * std::cos(phase), 150 - 25 * std::sin(phase), 55);
        return c;
    });
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int star = 0; star < 90; ++star)
    {
        const int x = int(next() % kWidth), y = int(next() % kHeight);
        const float glow = 0.6f + 0.4f * std::sin(phase + float(next() % 628) / 100.0f);
        Put(pixels + y * pitch + x * 4, Rgb{0.9f, 0.9f, 1.0f} * glow);
    }
}

// A trading screen: a grid, a price line running through it and volume bars below.
void PaintStockExchange(int index, uint8_t* pixels, int pitch, int frames)
{
    const float phase = kTwoPi * float(index) / float(frames);
    PaintAll(pixels, pitch, [&](float x, float y) {
        Rgb c{0.02f, 0.06f, 0.04f};
        if (int(x) % 32 == 0 || int(y) % 32 == 0)
            c = Rgb{0.05f, 0.18f, 0.10f};
        const float u = kTwoPi * x / kWidth;
        const float price = 110 + 40 * std::sin(2 * u + phase) + 18 * std::sin(5 * u - 2 * phase);
        const float distance = std::fabs(y - price);
        c = c + Rgb{0.3f, 1.0f, 0.5f} * (1.0f - Smooth(1.0f, 2.5f, distance)) +
            Rgb{0.1f, 0.4f, 0.2f} * std::exp(-distance / 6.0f);
        const int bar = int(x) / 16;
        const float height = 30 + 20 * std::sin(phase + bar * 0.7f);
        if (int(x) % 16 < 12 && y > kHeight - height)
            c = c + Rgb{0.9f, 0.6f, 0.1f} * 0.7f;
        return c;
    });
}

// The emblem's chord: A major over two octaves, swelling and fading as the picture does, with
// a slow shimmer; a little shorter than the picture, so it is over when the picture is.
video::AviSound LogoChord(float seconds)
{
    constexpr int Rate = 22050;
    constexpr float Partials[] = {220.0f, 277.18f, 329.63f, 440.0f, 659.26f};
    video::AviSound sound;
    sound.channels = 1;
    sound.sampleRate = Rate;
    const int count = int(seconds * Rate);
    sound.samples.resize(size_t(count));
    for (int i = 0; i < count; ++i)
    {
        const float t = float(i) / Rate;
        const float u = float(i) / float(count - 1);
        const float envelope = Smooth(0.0f, 0.2f, u) * (1.0f - Smooth(0.6f, 1.0f, u));
        float v = 0.0f;
        for (size_t k = 0; k < std::size(Partials); ++k)
            v += std::sin(kTwoPi * Partials[k] * t) * (1.0f - 0.12f * float(k));
        const float shimmer = 0.85f + 0.15f * std::sin(kTwoPi * 3.0f * t);
        sound.samples[size_t(i)] = int16_t(std::clamp(v * 0.17f * envelope * shimmer, -1.0f, 1.0f) * 32767.0f);
    }
    return sound;
}

MovieEntry Movie(const char* path, float seconds, void (*paint)(int, uint8_t*, int, int))
{
    const int frames = int(seconds * kFps);
    return {path,
            video::AviFormat{kWidth, kHeight, kFps, frames},
            [paint, frames](int index, uint8_t* pixels, int pitch) { paint(index, pixels, pitch, frames); },
            {}};
}

} // namespace

std::vector<MovieEntry> MovieCatalog()
{
    MovieEntry logo = Movie("movies/logo.avi", 2.4f, PaintLogo);
    logo.sound = LogoChord(2.2f);
    return {logo, Movie("movies/menu.avi", 3.0f, PaintMenu), Movie("movies/stock_ex.avi", 3.0f, PaintStockExchange)};
}
