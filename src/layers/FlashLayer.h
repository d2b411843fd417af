#pragma once

#include "layers/Layer.h"

#include <memory>

class Material;
namespace FlashHost {
class FlashControl;
}

// A layer that plays a movie (its own Flash control) and draws the control's texture through a
// material of its own with "MAT_ScreenQuadFlash.fx". The movie is rendered at the layer's size
// in pixels; the layer shows nothing until the movie has been drawn twice.
class FlashLayer : public Layer
{
public:
    // Material flags: no depth test or write, alpha blending and alpha test, back sides culled.
    static constexpr unsigned MaterialFlags = 151;

    FlashLayer(const char* name, const char* movie, const Vec2& pos, const Vec2& size, float angle, const Color& color);
    ~FlashLayer() override;

    // Draw and upload the whole movie every frame, not only what it reports as changed.
    void SetDrawAnyway(bool drawAnyway) { _drawAnyway = drawAnyway; }
    // Multipliers of the control's texture coordinates, corners as SetUV. A non-zero x of the
    // first two moves the left edge into the movie; that change stays, so callers set them
    // again every frame.
    void SetUV2(const Vec2& uv0, const Vec2& uv1, const Vec2& uv2, const Vec2& uv3);
    const Vec2& GetUV2(int corner) const { return _uv2[corner]; }
    FlashHost::FlashControl* GetFC() const { return _control.get(); }

    void Draw() override;
    void OnDeviceRestore() override;
    bool IsReadyToRelease() override;
    // The control drops its texture and movie; the layer's material goes with them.
    void PrepareToRelease() override;

private:
    Material* _material = nullptr;
    std::unique_ptr<FlashHost::FlashControl> _control;
    bool _drawAnyway = false;
    Vec2 _uv2[4] = {{0.0f, 1.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};
};
