#pragma once

#include "foundation/math/Projection.h"
#include "foundation/math/Vec3.h"

#include <cstdint>

// World-space debug geometry, one 32-bit ARGB colour each.
struct HelperTriangle
{
    Vec3 v[3];
    uint32_t color;
};
struct HelperLine
{
    Vec3 v[2];
    uint32_t color;
};
struct HelperPoint
{
    Vec3 v;
    uint32_t color;
};

// Where text sits in its rectangle.
enum TextAlign : int
{
    TA_TOP_LEFT = 0,
    TA_CENTER = 1, // both ways
    TA_RIGHT = 2,
    TA_HCENTER = 3,
    TA_HCENTER_BOTTOM = 4,
};

// Stencil test: function, depth-fail, fail and pass operations (the device's enumerations),
// reference, mask and write mask.
struct StencilTestDesc
{
    uint32_t func;
    uint32_t depthFailOp;
    uint32_t failOp;
    uint32_t passOp;
    uint32_t reference;
    uint32_t mask;
    uint32_t writeMask;
};

// Scissor and viewport rectangles are the math library's Rect (left, top, width, height):
// pixels, or percent of the target where the caller says so.

// Device comparison functions as the engine's states name them.
enum eCmpFunc : uint32_t
{
    CMP_NEVER = 1,
    CMP_LESS = 2,
    CMP_EQUAL = 3,
    CMP_LESSEQUAL = 4,
    CMP_GREATER = 5,
    CMP_NOTEQUAL = 6,
    CMP_GREATEREQUAL = 7,
    CMP_ALWAYS = 8,
};
