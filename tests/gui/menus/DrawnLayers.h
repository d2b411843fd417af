#pragma once
// What the screen's layers really draw: every quad of a frame is noted on its way to the render
// device (and drawn as usual), and a layer's box is where the pixels of some opacity of the
// texture its quad samples land on the screen.
#include "layers/LayerManager.h"

#include <iosfwd>
#include <vector>

class Layer;

// A rectangle in screen pixels; empty when x0 > x1.
struct ScreenBox
{
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;

    bool Empty() const { return x0 > x1; }
};
std::ostream& operator<<(std::ostream& out, const ScreenBox& box);

class DrawnLayers : public ILayerDrawTarget
{
public:
    // Notes the quads from now on.
    DrawnLayers();
    ~DrawnLayers() override;
    DrawnLayers(const DrawnLayers&) = delete;
    DrawnLayers& operator=(const DrawnLayers&) = delete;

    void RenderQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                    const Color& color) override;
    void RenderLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo) override;

    // Forgets the quads noted so far: call it before the frame that is read.
    void Clear() { _quads.clear(); }
    // The boxes of the layers of that name that the last frames drew, in drawing order; a layer
    // that drew nothing, or nothing visible, is left out.
    std::vector<ScreenBox> Boxes(const char* name) const;
    // The one box of that name, or an empty box (with a test failure) when there is not exactly one.
    ScreenBox Box(const char* name) const;

private:
    struct Quad
    {
        Material* material;
        Vec2 pos, size;
        Vec2 uv[4];
    };
    void Collect(const Layer& layer, const char* name, std::vector<ScreenBox>& boxes) const;
    ScreenBox Drawn(const Quad& quad) const;

    std::vector<Quad> _quads;
};
