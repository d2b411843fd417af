#include "guitextures/MenuArt.h"

#include "guitextures/Canvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Rgba = Canvas::Rgba;

const Rgba Plate{0.05f, 0.09f, 0.15f, 0.88f};
const Rgba PlateLight{0.10f, 0.17f, 0.27f, 0.92f};
const Rgba Border{0.44f, 0.66f, 1.0f, 1.0f};
const Rgba Amber{0.89f, 0.60f, 0.18f, 1.0f};
const Rgba Well{0.0f, 0.0f, 0.0f, 0.55f};

// An outline of the rounded rectangle, `width` pixels wide, inside its edge.
float RoundRectOutline(float px, float py, float x, float y, float w, float h, float r, float width)
{
    return std::min(
        RoundRectCover(px, py, x, y, w, h, r),
        1.0f - RoundRectCover(px, py, x + width, y + width, w - 2 * width, h - 2 * width, std::max(0.0f, r - width)));
}

// A plate: a rounded panel lighter at the top, with a border and a dark well for the picture.
void DrawPlate(Canvas& canvas, float x, float y, float w, float h, float wellX, float wellY, float wellSide)
{
    const float r = std::min(w, h) * 0.08f;
    canvas.Fill([=](float px, float py) { return RoundRectCover(px, py, x, y, w, h, r); },
                [=](float, float py) { return Mix(PlateLight, Plate, (py - y) / h); });
    canvas.Fill([=](float px, float py) { return RoundRectOutline(px, py, x, y, w, h, r, 2.0f); },
                [](float, float) { return Border; });
    canvas.Fill([=](float px, float py) { return RoundRectCover(px, py, wellX, wellY, wellSide, wellSide, 3.0f); },
                [](float, float) { return Well; });
}

// Four corner brackets around a square, in amber.
void DrawBrackets(Canvas& canvas, float x, float y, float side, float arm, float width)
{
    auto bar = [&](float bx, float by, float bw, float bh) {
        canvas.Fill(
            [=](float px, float py) { return (px >= bx && px < bx + bw && py >= by && py < by + bh) ? 1.0f : 0.0f; },
            [](float, float) { return Amber; });
    };
    const float x1 = x + side, y1 = y + side;
    bar(x - width, y - width, arm, width);
    bar(x - width, y - width, width, arm);
    bar(x1 - arm + width, y - width, arm, width);
    bar(x1, y - width, width, arm);
    bar(x - width, y1, arm, width);
    bar(x - width, y1 - arm + width, width, arm);
    bar(x1 - arm + width, y1, arm, width);
    bar(x1, y1 - arm + width, width, arm);
}

} // namespace

Image MakeSlotPiece(SlotPiece piece)
{
    switch (piece)
    {
    case SlotPiece::SmallPlate:
    {
        // The picture lies at (32, 32, 64 x 64); the plate ends above the tips strip, 105 below
        // its top.
        Canvas canvas(128, 128);
        DrawPlate(canvas, 14, 12, 100, 88, 31, 31, 66);
        return canvas.ToImage();
    }
    case SlotPiece::SmallFrame:
    {
        // Laid 64 to the left of the plate: the picture at (96, 32, 64 x 64).
        Canvas canvas(256, 128);
        DrawBrackets(canvas, 95, 31, 66, 12, 2);
        return canvas.ToImage();
    }
    case SlotPiece::MiddlePlate:
    {
        // The picture at (80, 15, 96 x 96); the plate ends 118 down, above the tips strip.
        Canvas canvas(256, 128);
        DrawPlate(canvas, 62, 2, 132, 116, 78, 13, 100);
        return canvas.ToImage();
    }
    case SlotPiece::MiddleFrame:
    {
        // Laid 64 above the plate: the picture at (80, 79, 96 x 96).
        Canvas canvas(256, 256);
        DrawBrackets(canvas, 77, 76, 102, 18, 3);
        return canvas.ToImage();
    }
    case SlotPiece::CentrePlate:
    {
        // The name band at (37, 19, 180 x 34), the picture at (64, 60, 128 x 128); the plate ends
        // 198 down, above the tips strip.
        Canvas canvas(256, 256);
        DrawPlate(canvas, 24, 8, 208, 190, 61, 57, 134);
        canvas.Fill([](float px, float py) { return RoundRectCover(px, py, 37, 19, 182, 32, 6); },
                    [](float, float) {
                        return Rgba{0.0f, 0.0f, 0.0f, 0.45f};
                    });
        DrawBrackets(canvas, 60, 56, 136, 22, 2);
        return canvas.ToImage();
    }
    case SlotPiece::CentreFrame:
    default:
    {
        Canvas canvas(256, 256);
        DrawBrackets(canvas, 40, 40, 176, 30, 4);
        return canvas.ToImage();
    }
    }
}
