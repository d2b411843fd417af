#pragma once

#include "scene/particles/ParticleSet.h"

// The sprites of a lens flare strung from a light through the centre of the view.
class LensFlare : public ParticleSet
{
public:
    LensFlare(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_LENSFLARE; }
    virtual void Update(float) {}
    bool IsDrawNeeded() const { return false; }
};
