#include "game/world/ships/Fighter.h"

#include <cstring>

#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/Trail.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/ships/DynamicShipController.h"
#include "scene/RenderScene.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/ParticleEmitter.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"

namespace {
constexpr float DegreesToRadians = 0.017453f;
}

Fighter::Fighter()
{
    SetName("Fighter");
    SetClassname("Fighter");
    RaiseFlag(ACTOR_FLAG_SMALL_CRAFT);
}

void Fighter::UserInit()
{
    Ship::UserInit();
    const ShipType* type = GetPrototype();
    RenderScene* scene = game.GetRenderScene();
    if (type && scene)
        _mainModel = scene->CreateModel(type->render, SL_STAGE);

    if (type && type->isDestructable != 0)
    {
        _parts = std::make_unique<DestructableObject>(GetMainModelEx(), this);
        _physEntity = _parts->Initialize(nullptr);
    }
    else if (PhysicsSpace* space = game.GetLevel() ? game.GetLevel()->GetSpace() : nullptr)
    {
        if (type && std::strcmp(type->name, "Player") == 0)
            _physEntity = space->CreatePhysicsActorForPlayer(this);
        else
            _physEntity = space->CreatePhysicsActorForFighter(this, GetName());
    }
    if (!_physEntity)
        Dumper::Instance().Print(DUMP_ERROR, "Fighter \"%s\": no physics body\n", GetName());
    AttachController();
}

void Fighter::AttachController()
{
    _controller = std::make_unique<DynamicShipController>(_physEntity);
    if (_physEntity)
        _physEntity->AddController(_controller.get());
    // The player's ship takes its limits from its flight model.
    if (std::strcmp(GetClassname(), "PlayerShip") == 0)
        return;
    const float speed = GetMaxSpeed();
    const float angular = GetAngularSpeed() * DegreesToRadians;
    const float acceleration = GetAcceleration();
    const float damping = GetDamping();
    const float angularAcceleration = GetAngularAcceleration() * DegreesToRadians;
    const float angularDamping = GetAngularDamping() * DegreesToRadians;
    _controller->SetLinMinMaxAbsVel(Vec3(0, 0, 0), Vec3(speed, speed, speed));
    _controller->SetAngMinMaxAbsVel(Vec3(0, 0, 0), Vec3(angular, angular, angular));
    _controller->SetLinAccDmp(Vec3(acceleration, acceleration, acceleration), Vec3(damping, damping, damping));
    _controller->SetAngAccDmp(Vec3(angularAcceleration, angularAcceleration, angularAcceleration),
                              Vec3(angularDamping, angularDamping, angularDamping));
}

void Fighter::UserProceed()
{
    Ship::UserProceed();
    if (_mainModel && _physEntity)
    {
        _mainModel->SetPosition(_physEntity->GetGlobalPosition());
        _mainModel->SetOrientation(_physEntity->GetGlobalOrientationQuat());
    }
}

float Fighter::GetAverageDamage()
{
    const float maximum = GetMaximumStructure() + GetMaximumArmor() + GetMaximumShield();
    // Nothing to lose counts as intact.
    if (maximum == 0)
        return 1;
    return (GetCurrentStructure() + GetCurrentArmor() + GetCurrentShield()) / maximum;
}

void Fighter::CreateStrip(Material* material, Bone* bone, float lifetime, float size)
{
    RenderScene* scene = game.GetRenderScene();
    if (!scene || !bone)
        return;
    Emitter* emitter = scene->CreateEmitter(SL_STAGE);
    bone->Attach(emitter);
    ParticleEmitter* trail = emitter->AddParticleEmitter();
    SetUpTrail(trail, material, 3, 16, lifetime);
    Lerper<float> sizes;
    sizes.AddKey(0, size);
    sizes.AddKey(1, size);
    trail->GetParticleSize() = sizes;
    // White, fading out over the second half of the trail.
    Lerper<Color> colors;
    colors.AddKey(0, Color(1, 1, 1, 1));
    colors.AddKey(0.5f, Color(1, 1, 1, 1));
    colors.AddKey(1, Color(0, 0, 0, 0));
    trail->GetParticleColor() = colors;
    emitter->Play(1);
}
