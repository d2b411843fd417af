#include "scene/nodes/LensFlare.h"

#include "scene/visitors/NodeVisitor.h"

LensFlare::LensFlare(Group* root, RenderScene* scene) : ParticleSet(root, scene) {}

bool LensFlare::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool LensFlare::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }
