#include "scene/nodes/NodeFactory.h"

#include "scene/nodes/Camera.h"
#include "scene/particles/Emitter.h"
#include "scene/nodes/LensFlare.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/Omni.h"
#include "scene/particles/ParticleEmitter.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/nodes/SoundBone.h"

Node* CreateNodeOfType(Group* root, RenderScene* scene, unsigned type)
{
    switch (type)
    {
    case NT_BONE: return new Bone(root, scene);
    case NT_GROUP: return new Group(root, scene);
    case NT_CAMERA: return new Camera(root, scene);
    case NT_RENDERMESH: return new RenderMesh(root, scene);
    case NT_MODEL: return new Model(root, scene);
    case NT_PARTICLESET: return new ParticleSet(root, scene);
    case NT_EMITTER: return new Emitter(root, scene);
    case NT_PARTICLEEMITTER: return new ParticleEmitter(root, scene);
    case NT_OMNI: return new Omni(root, scene);
    case NT_LENSFLARE: return new LensFlare(root, scene);
    case NT_SOUNDBONE: return new SoundBone(root, scene, nullptr);
    default: return nullptr;
    }
}
