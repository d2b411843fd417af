#include "game/world/ships/ShipPart.h"

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"
#include "services/physics/PhysicsActor.h"

namespace {
// The activation timer parked here marks collisions as switched on.
constexpr float CollisionsOn = 1.1754944e-38f;
} // namespace

ShipPart::ShipPart()
{
    SetName("ShipPart");
    SetClassname("ShipPart");
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT | ACTOR_FLAG_SHIP_PART);
}

void ShipPart::Init(Bone* bone, const Vec3& offset)
{
    _mainModel = bone;
    _pivotOffset = offset;
    _madeFromModel = false;
}

void ShipPart::InitByModel(Model* model)
{
    _mainModel = model;
    _pivotOffset = Vec3(0, 0, 0);
    _madeFromModel = true;
}

void ShipPart::UserInit()
{
    RenderScene* scene = game.GetRenderScene();
    Bone* own = _mainModel; // the wreck's bone that carries the part
    if (_mainModel && scene && (_pivotOffset.x != 0 || _pivotOffset.y != 0 || _pivotOffset.z != 0))
    {
        // The part turns about its pivot: a new bone there carries the old one.
        Bone* pivot = scene->CreateBone(SL_STAGE);
        pivot->SetGlobalPose(_mainModel->GetWorldMatrix());
        pivot->Attach(_mainModel);
        Matrix local = Matrix::Ident();
        local.Translate(Vec3(0, 0, 0) - _pivotOffset);
        _mainModel->SetLocalPose(local);
        _mainModel = pivot;
    }
    if (_madeFromModel)
    {
        _parts = std::make_unique<DestructableObject>(GetMainModelEx(), this);
        _physEntity = _parts->Initialize(nullptr);
        WearParts();
    }
    else
    {
        // From the part's own bone: a pivot bone above it carries no part.
        _parts = std::make_unique<DestructableObject>(nullptr, this);
        _physEntity = _parts->Initialize(own);
    }
    if (!_physEntity || _parts->GetPartCount() == 0)
    {
        SetLifetime(-0.01f);
        return;
    }
    // A fresh part would collide with the wreck it came from.
    _physEntity->raiseActorFlag(NX_AF_DISABLE_COLLISION);
}

void ShipPart::WearParts()
{
    for (int i = 0; i < _parts->GetPartCount(); ++i)
    {
        ObjectPart* part = _parts->GetPart(i);
        if (!part)
            continue;
        const float hp = part->GetMaxHp();
        part->SetMaxHp(0.25f * hp);
        if (EngineRandom() % 2 == 1)
        {
            part->SwitchToDamaged(false);
            part->SetCurHp((static_cast<float>(EngineRandom() % 100) * 0.001f + 0.025f) * hp);
        }
        else
        {
            part->SetCurHp((static_cast<float>(EngineRandom() % 150) * 0.001f + 0.1f) * hp);
        }
        part->SetDirtLevel();
    }
}

void ShipPart::UserProceed()
{
    Fighter::UserProceed();
    if (_activationTimer == CollisionsOn)
        return;
    _activationTimer -= game.GetSPF();
    if (_activationTimer < 0)
    {
        if (_physEntity)
            _physEntity->clearActorFlag(NX_AF_DISABLE_COLLISION);
        _activationTimer = CollisionsOn;
    }
}
