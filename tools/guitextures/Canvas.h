#pragma once

#include "textures/Image.h"

#include <cstdint>
#include <functional>
#include <vector>

// A picture of straight (not premultiplied) RGBA floats that shapes are blended onto, written
// out as an ARGB image.
class Canvas
{
public:
    struct Rgba
    {
        float r = 0, g = 0, b = 0, a = 0;
    };

    // Transparent, or filled with one colour.
    Canvas(unsigned width, unsigned height);
    Canvas(unsigned width, unsigned height, Rgba fill);

    unsigned Width() const { return _width; }
    unsigned Height() const { return _height; }
    Rgba& At(unsigned x, unsigned y) { return _pixels[size_t(y) * _width + x]; }

    // Blends `color` over every pixel by the coverage the function gives for the pixel's centre
    // (0 outside, 1 inside), scaled by the colour's alpha.
    void Fill(const std::function<float(float x, float y)>& coverage,
              const std::function<Rgba(float x, float y)>& color);
    void Blend(unsigned x, unsigned y, Rgba color, float coverage);

    Image ToImage() const;

private:
    unsigned _width, _height;
    std::vector<Rgba> _pixels;
};

// Colour `a` at t = 0, `b` at t = 1, every channel and alpha.
Canvas::Rgba Mix(const Canvas::Rgba& a, const Canvas::Rgba& b, float t);
// A well-mixed hash of two numbers, and its low bits as 0..1: the same pattern on every build.
uint32_t Hash(uint32_t a, uint32_t b);
float Unit(uint32_t h);

// Coverage helpers: 1 inside, 0 outside, a one-pixel ramp across the edge.
float EdgeCover(float distanceOutside);
float CircleCover(float x, float y, float cx, float cy, float radius);
float RingCover(float x, float y, float cx, float cy, float radius, float halfWidth);
float SegmentCover(float x, float y, float ax, float ay, float bx, float by, float halfWidth);
// A rectangle (x, y, w, h) with corners rounded by `r`.
float RoundRectCover(float px, float py, float x, float y, float w, float h, float r);
// A convex polygon given clockwise or counter-clockwise.
float PolygonCover(float x, float y, const std::vector<float>& xs, const std::vector<float>& ys);
