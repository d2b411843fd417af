#include "scene/nodes/ParticleSet.h"

#include "scene/visitors/NodeVisitor.h"

ParticleSet::ParticleSet(Group* root, RenderScene* scene) : Renode(root, scene) {}

bool ParticleSet::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool ParticleSet::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }
