#include "game/world/effects/ParticleEffect.h"

#include "game/core/FixedText.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"

ParticleEffect::ParticleEffect(const char* file, const Vec3& position, const Quaternion& orientation, bool endless,
                               Bone* parent, const Vec3& drift)
    : _endless(endless), _drift(drift)
{
    SetName("ParticleEffect");
    SetClassname("ParticleEffect");
    RaiseFlag(ACTOR_FLAG_EFFECT);
    CopyFixedText(_file, file);
    if (RenderScene* scene = GetWorldScene())
    {
        Group* group = scene->CreateGroup(SL_STAGE);
        if (parent)
            parent->Attach(group);
        group->SetPosition(position);
        group->SetOrientation(orientation);
        _mainModel = group;
    }
}

void ParticleEffect::UserInit()
{
    RenderScene* scene = GetWorldScene();
    if (!scene || !_mainModel)
        return;
    _emitter = scene->CreateEmitter(SL_STAGE);
    if (EmitterMgr* emitters = GetWorldEmitterMgr())
        emitters->Load(_file, _emitter);
    _mainModel->Attach(_emitter);
    // A file that could not be read plays for no time, so the effect ends at once.
    if (!_endless)
        SetLifetime(_emitter->GetTotalDuration());
}

void ParticleEffect::UserProceed()
{
    // The drift moves the effect within its parent's space, so a hung effect still follows its
    // bone.
    if (_mainModel)
        _mainModel->SetPosition(_mainModel->GetLocalPos() + _drift);
}

void ParticleEffect::UserShutDown()
{
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_mainModel);
    _mainModel = nullptr;
    _emitter = nullptr;
}
