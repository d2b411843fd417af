#pragma once

#include "scene/nodes/Group.h"

// A group of particle emitters played together; advanced by the scene's update pass.
class Emitter : public Group
{
public:
    Emitter(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_EMITTER; }
    virtual void Update(float) {}
};
