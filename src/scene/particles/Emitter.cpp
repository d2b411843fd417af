#include "scene/nodes/Emitter.h"

#include "scene/visitors/NodeVisitor.h"

Emitter::Emitter(Group* root, RenderScene* scene) : Group(root, scene) {}

bool Emitter::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool Emitter::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }
