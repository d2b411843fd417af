#pragma once

#include "MaterialSystem/Renderable.h"
#include "MaterialSystem/VertexIndexBuilder.h"
#include "foundation/math/Matrix.h"

#include <cstdint>

// A unit box of 8 corners and 12 triangles (36 indices), each face wound counter-clockwise
// as seen on screen from outside. Dynamic boxes write their corners through the builder each fill;
// static ones point at geometry that lives elsewhere.
class BoxRenderable : public IRenderable
{
public:
    static constexpr unsigned Vertices = 8;
    static constexpr unsigned Indices = 36;

    BoxRenderable(bool dynamic, uint32_t format, unsigned instances = 1);

    void BatchBuild(VertexIndexBuilder& builder) override;
    bool IsDynamic() override { return _dynamic; }
    bool IsFlipped() override { return _flipped; }
    void SetFlipped(bool flipped) { _flipped = flipped; }
    unsigned GetBuilds() const { return _builds; }
    // Colour written into the corners when the format has one.
    uint32_t color = 0xFFFFFFFFu;
    // Where BatchBuild puts the corners.
    Matrix placement{1.0f};

    static const unsigned short* BoxIndices();

private:
    bool _dynamic;
    bool _flipped = false;
    unsigned _builds = 0;
};
