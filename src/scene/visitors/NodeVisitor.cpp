#include "scene/visitors/NodeVisitor.h"

#include "scene/nodes/Camera.h"
#include "scene/particles/Emitter.h"
#include "scene/nodes/LensFlare.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"

bool NodeVisitor::Visit(LensFlare& node) { return Visit(static_cast<ParticleSet&>(node)); }
bool NodeVisitor::Visit(Omni& node) { return Visit(static_cast<Renode&>(node)); }
bool NodeVisitor::Visit(Emitter& node) { return Visit(static_cast<Group&>(node)); }
bool NodeVisitor::Visit(ParticleSet& node) { return Visit(static_cast<Renode&>(node)); }
bool NodeVisitor::Visit(RenderMesh& node) { return Visit(static_cast<Renode&>(node)); }
bool NodeVisitor::Visit(Model& node) { return Visit(static_cast<Group&>(node)); }
bool NodeVisitor::Visit(Camera& node) { return Visit(static_cast<Bone&>(node)); }
bool NodeVisitor::Visit(Group& node) { return Visit(static_cast<Bone&>(node)); }
bool NodeVisitor::Visit(Renode& node) { return Visit(static_cast<Node&>(node)); }
bool NodeVisitor::Visit(Bone& node) { return Visit(static_cast<Node&>(node)); }

bool NodeVisitor::PostVisit(LensFlare& node) { return PostVisit(static_cast<ParticleSet&>(node)); }
bool NodeVisitor::PostVisit(Omni& node) { return PostVisit(static_cast<Renode&>(node)); }
bool NodeVisitor::PostVisit(Emitter& node) { return PostVisit(static_cast<Group&>(node)); }
bool NodeVisitor::PostVisit(ParticleSet& node) { return PostVisit(static_cast<Renode&>(node)); }
bool NodeVisitor::PostVisit(RenderMesh& node) { return PostVisit(static_cast<Renode&>(node)); }
bool NodeVisitor::PostVisit(Model& node) { return PostVisit(static_cast<Group&>(node)); }
bool NodeVisitor::PostVisit(Camera& node) { return PostVisit(static_cast<Bone&>(node)); }
bool NodeVisitor::PostVisit(Group& node) { return PostVisit(static_cast<Bone&>(node)); }
bool NodeVisitor::PostVisit(Renode& node) { return PostVisit(static_cast<Node&>(node)); }
bool NodeVisitor::PostVisit(Bone& node) { return PostVisit(static_cast<Node&>(node)); }
