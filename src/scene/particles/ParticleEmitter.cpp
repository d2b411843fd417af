#include "scene/nodes/ParticleEmitter.h"

ParticleEmitter::ParticleEmitter(Group* root, RenderScene* scene) : ParticleSet(root, scene) {}
