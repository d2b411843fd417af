#pragma once

#include "scene/particles/ParticleSet.h"

// The sprites of a lens flare, strung from a light (the bone the node hangs on) through the
// centre of the view: a source sprite and a glow at the light, and up to MaxFlares elements
// along the line. Whether the light is hidden comes from a depth check point of the scene, a
// frame late; the flare fades and its glow shrinks at set speeds.
class LensFlare : public ParticleSet
{
public:
    static constexpr unsigned MaxFlares = 32;

    LensFlare(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_LENSFLARE; }
    // Places the sprites for the camera and reads (and moves) the depth check point.
    void UpdateCameraBasedParams(Camera* camera, unsigned maxLod) override;
    // Fades by the time passed.
    virtual void Update(float seconds);

    // An element at `position` along the line: 0 at the light, 1 at the view's centre, 2
    // mirrored beyond it. False (logged) when all slots are taken.
    bool AddFlare(float position, float size, unsigned texU, unsigned texV, const Color& color);
    void RemoveFlare(unsigned index);
    void SetGlow(float size, unsigned texU, unsigned texV, const Color& color);
    void SetSource(float size, unsigned texU, unsigned texV, const Color& color);
    void SetSunMode(bool sunMode) { _sunMode = sunMode; }
    bool GetSunMode() const { return _sunMode; }
    void SetZFar(float distance) { _zFar = distance; }
    float GetZFar() const { return _zFar; }
    void SetFadeSpeed(float speed) { _fadeSpeed = speed; }
    float GetFadeSpeed() const { return _fadeSpeed; }
    void SetScaleSpeed(float speed) { _scaleSpeed = speed; }
    float GetScaleSpeed() const { return _scaleSpeed; }
    float GetOpacity() const { return _opacity; }
    unsigned GetFlareCount() const { return _flareCount; }
    bool IsDrawNeeded() const { return _drawNeeded; }
    Particle* GetGlow() const { return _glow; }
    Particle* GetSource() const { return _source; }
    Particle* GetFlare(unsigned index) const { return index < MaxFlares ? _flares[index] : nullptr; }

private:
    Particle* ReplaceSprite(Particle* old, float size, unsigned texU, unsigned texV, const Color& color);

    Particle* _glow = nullptr;
    Particle* _source = nullptr;
    Particle* _flares[MaxFlares] = {};
    float _glowSize = 0.0f;
    unsigned _flareCount = 0;
    float _zFar = 1000.0f;
    float _scaleSpeed = 5.0f;
    float _fadeSpeed = 8.0f;
    float _hidden = 0.0f; // 0 shown .. 1 hidden
    float _shrink = 0.0f; // of the glow
    bool _beyondZFar = false;
    bool _drawNeeded = true;
    bool _occluded = false;
    bool _sunMode = false;
    bool _sourceFollows = false, _glowFollows = false;
    int _checkPoint = -1;
    float _opacity = 1.0f;
};
