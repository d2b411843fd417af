#pragma once
// The one-particle set that sprites, rays and distortion rings draw: a bone at the position
// holding a billboard set of one particle, turned at random.
#include "foundation/math/Vec3.h"

class Bone;
class Material;
class ParticleSet;
struct Particle;

struct SpriteNode
{
    Bone* bone = nullptr; // the scene's, on the stage layer
    ParticleSet* set = nullptr;
    Particle* particle = nullptr;
};

// All null without a scene.
SpriteNode CreateSpriteNode(const Vec3& position, float size, Material* material);
// Destroys the bone with its set; null is ignored.
void DestroySpriteNode(Bone* bone);
