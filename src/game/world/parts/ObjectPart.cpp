#include "game/world/parts/ObjectPart.h"

#include "game/core/FixedText.h"

ObjectPart::ObjectPart(const char* name, Bone* bone, Actor* owner, ObjectPartType* type, DestructableObject* container,
                       bool sharedVisuals, RenderMesh* mesh, Model* dirtModel)
    : _node(bone), _type(type), _owner(owner), _container(container), _mesh(mesh), _dirtModel(dirtModel),
      _sharedVisuals(sharedVisuals)
{
    CopyFixedText(_name, name);
}

void ObjectPart::Initialize() {}

int ObjectPart::DoDamage(float) { return DAMAGE_NONE; }

void ObjectPart::SwitchToDamaged(bool) {}

void ObjectPart::SwitchToDestroyed(bool) {}

void ObjectPart::SetDirtLevel() {}

void ObjectPart::Disable() {}

void ObjectPart::SetMaxHp(float hp)
{
    _maxHp = hp;
    _curHp = hp;
}

void ObjectPart::AddShape(NxShape*) {}

void ObjectPart::AddChild(ObjectPart*) {}

NxShape* ObjectPart::GetShape(int) const { return nullptr; }

bool ObjectPart::IsShape(const NxShape*) const { return false; }

NxShape* ObjectPart::GetRandomShape() const { return nullptr; }

void ObjectPart::DisableCollision() {}

void ObjectPart::DisableCollisionRecursive(Node*) {}
