#include "game/world/effects/SpriteNode.h"

#include "foundation/base/Random.h"
#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/particles/ParticleSet.h"

SpriteNode CreateSpriteNode(const Vec3& position, float size, Material* material)
{
    SpriteNode node;
    RenderScene* scene = GetWorldScene();
    if (!scene)
        return node;
    node.bone = scene->CreateBone(SL_STAGE);
    node.bone->SetPosition(position);
    node.set = scene->CreateParticleSet(SL_STAGE);
    node.bone->Attach(node.set);
    node.set->SetParticleShape(PS_BILLBOARD);
    node.set->SetDefaultSize(size);
    node.set->SetMaterial(material);
    node.set->SetMaxParticles(1);
    node.set->SetTintStrength(1);
    node.particle = node.set->CreateParticle();
    // The set holds world positions.
    node.particle->position = position;
    node.particle->color = Color(1, 1, 1, 1);
    node.particle->angle = static_cast<float>(EngineRandom() % 360);
    return node;
}

void DestroySpriteNode(Bone* bone)
{
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(bone);
}
