#include "game/world/parts/ObjectPart.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "foundation/base/Random.h"
#include "foundation/config/GameSettings.h"
#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/objects/Object.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/PartVisuals.h"
#include "game/world/ships/Ship.h"
#include "game/world/ships/ShipPart.h"
#include "scene/RenderScene.h"
#include "scene/model/ModelMgr.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/RenderMesh.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxShape.h"

namespace {

// Bones at any depth below the node whose names name a part prototype.
int CountPartBones(const Node* node)
{
    int count = 0;
    for (unsigned i = 0; i < node->GetNumChildren(); ++i)
    {
        const Node* child = node->GetChild(i);
        if (child->GetType() == NT_BONE && ObjectPart::FindPrototype(child->GetName().Str()))
            ++count;
        count += CountPartBones(child);
    }
    return count;
}

float DifficultyFactor(const ObjectPartType* type)
{
    const Base* base = game.GetBase();
    const GameSettings* settings = game.GetGameSettings();
    if (!base || (type && std::strcmp(type->name, "ytg_energ_caps_cr4") == 0))
        return 1.0f;
    return base->GetPartStrengthFactor(settings ? settings->Difficulty : 1);
}

} // namespace

ObjectPart::ObjectPart(const char* name, Bone* bone, Actor* owner, ObjectPartType* type, DestructableObject* container,
                       bool sharedVisuals, RenderMesh* mesh, Model* dirtModel)
    : _node(bone), _type(type), _owner(owner), _container(container), _mesh(mesh), _dirtModel(dirtModel),
      _sharedVisuals(sharedVisuals)
{
    CopyFixedText(_name, name);
}

ObjectPartType* ObjectPart::FindPrototype(const char* boneName)
{
    const Base* base = game.GetBase();
    if (!base || !boneName)
        return nullptr;
    char name[BoneNameSize];
    CopyFixedText(name, boneName);
    const size_t length = std::strlen(name);
    if (length <= 3)
        return nullptr;
    name[length - 3] = '\0';
    // Most bones carry no part: the quiet scan keeps them out of the log.
    for (int i = 0; i < base->GetPartCount(); ++i)
    {
        ObjectPartType* type = base->GetPartByIndex(i);
        if (std::strcmp(type->name, name) == 0)
            return type;
    }
    return nullptr;
}

void ObjectPart::Initialize()
{
    RenderScene* scene = game.GetRenderScene();
    if (!_sharedVisuals && scene && _type && _node)
    {
        if (!_type->assetname[0] && _type->meshname[0])
        {
            _mesh = CreateMeshNode(_type->meshname);
            _node->Attach(_mesh);
        }
        else if (_type->assetname[0])
        {
            _intactModel = scene->CreateModel(_type->assetname, SL_STAGE);
            _node->Attach(_intactModel);
        }
    }
    const float factor = DifficultyFactor(_type);
    const float koef = _type ? _type->hpKoef : 1.0f;
    _maxHp *= koef * factor;
    _curHp *= factor * koef;
    // The damaged look is read now, so that switching to it later does not stall a frame.
    if (scene && _type && _type->damaged[0])
        scene->GetModelMgr()->CreateAssetFromFile(_type->damaged);
}

int ObjectPart::DoDamage(float amount)
{
    if (_destroyed)
        return DAMAGE_NONE;
    if (!_damaged && _curHp < amount)
        amount -= _curHp * 0.1f;
    _curHp -= amount;
    int result = DAMAGE_NONE;
    if (_curHp < _maxHp * 0.5f && !_damaged && !_destroyed)
    {
        SwitchToDamaged(true);
        result = DAMAGE_DAMAGED;
    }
    if (_curHp < 0.0f && !_destroyed)
    {
        SwitchToDestroyed(true);
        result = DAMAGE_DESTROYED;
    }
    SetDirtLevel();
    return result;
}

void ObjectPart::SwitchToDamaged(bool explosion)
{
    if (_damaged)
        return;
    // Set before the owner hears of it: an owner that switches a part that switches this one
    // back finds it damaged, and the exchange ends.
    _damaged = true;
    NotifyOwner(false);
    SingleLevel* level = game.GetLevel();
    if (explosion && level && _node)
        level->CreateExplosion(_node->GetWorldMatrix(), 192, 10, EXPLOSION_BLAST, false);
    RenderScene* scene = game.GetRenderScene();
    if (scene && _node && _type && _type->damaged[0])
    {
        scene->DestroyNode(_mesh);
        _mesh = nullptr;
        Model* damaged = scene->CreateModel(_type->damaged, SL_STAGE);
        _node->Attach(damaged);
        _dirtModel = damaged;
    }
    _curHp = std::min(_curHp, _maxHp * 0.5f);
}

void ObjectPart::SwitchToDestroyed(bool)
{
    if (!_damaged)
        SwitchToDamaged(false);
    if (_destroyed)
        return;
    _destroyed = true;
    NotifyOwner(true);
    if (!_node)
        return;
    DetachChildren();
    if (_container && _container->GetRootPart() == this && _owner)
        _owner->SetLifetime(-0.01f);
    if (SingleLevel* level = game.GetLevel())
        level->CreateExplosion(_node->GetWorldMatrix(), 192, 10, EXPLOSION_BLAST, false);
    ThrowDebris();
    if (_parent)
    {
        _parent->SwitchToDamaged(true);
        _parent->SetDirtLevel();
    }
    _node->Enable(false);
}

void ObjectPart::DetachChildren()
{
    std::vector<Bone*> children;
    for (unsigned i = 0; i < _node->GetNumChildren(); ++i)
    {
        Node* child = _node->GetChild(i);
        if (child == _mesh || child == _intactModel || child->GetType() != NT_BONE || !child->GetObjectPart() ||
            !child->IsEnabled() || !FindPrototype(child->GetName().Str()))
            continue;
        children.push_back(child->AsBone());
    }
    DisableCollisionRecursive(_node);
    SingleLevel* level = game.GetLevel();
    RenderScene* scene = game.GetRenderScene();
    if (!level || !scene)
        return;
    for (Bone* child : children)
    {
        if (child->GetNumChildren() == 0)
            continue;
        const Vec3 position = child->GetGlobalPos();
        const Quaternion orientation = child->GetGlobalOrientation();
        const Vec3 push = UnitOrZero(position - _node->GetGlobalPos());
        const int count = 1 + CountPartBones(child);
        child->Detach();
        child->SetPosition(0.0f, 0.0f, 0.0f);
        scene->UpdateScene(0.0f);
        ShipPart* part = level->CreateShipPart(child, Vec3(0.0f));
        if (!part || !part->GetPhysEntity())
            continue;
        Matrix pose;
        pose.FromOrientation(orientation.Dir(), orientation.Up());
        pose.Translate(position);
        part->SetPose(pose);
        Vec3 axis(static_cast<float>(64 - EngineRandom() % 128), static_cast<float>(64 - EngineRandom() % 128),
                  static_cast<float>(64 - EngineRandom() % 128));
        axis = UnitOrZero(axis);
        const float spin = std::max(static_cast<float>(64 + EngineRandom() % 16) * 0.01f / count, 0.3f);
        part->AddTorque(axis * spin, NX_SMOOTH_VELOCITY_CHANGE);
        const int force = (256 + EngineRandom() % 128) / count;
        part->AddForce(push * static_cast<float>(force), NX_SMOOTH_VELOCITY_CHANGE);
    }
}

void ObjectPart::ThrowDebris() const
{
    SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    const int count = (4 * EngineRandom()) % 6;
    for (int i = 0; i < count; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "ytg_debris_%.2d", EngineRandom() % 10);
        Object* debris = level->CreateObject(name, nullptr);
        Vec3 direction(static_cast<float>(10000 - EngineRandom() % 20000),
                       static_cast<float>(10000 - EngineRandom() % 20000),
                       static_cast<float>(10000 - EngineRandom() % 20000));
        direction = UnitOrZero(direction);
        const float force = static_cast<float>(64 + EngineRandom() % 96);
        if (!debris)
            continue;
        debris->SetPose(_node->GetWorldMatrix());
        debris->AddForce(direction * force, NX_SMOOTH_VELOCITY_CHANGE);
        debris->AddTorque(direction * 2.0f, NX_SMOOTH_VELOCITY_CHANGE);
    }
}

void ObjectPart::SetDirtLevel()
{
    if (_destroyed)
        return;
    const float dirt = _maxHp > 0.0f ? std::clamp(1.0f - _curHp / _maxHp, 0.0f, 1.0f) : 1.0f;
    SetMeshAnimation(_mesh, dirt);
    SetModelAnimation(_dirtModel, dirt);
}

void ObjectPart::Disable()
{
    _damaged = true;
    _destroyed = true;
}

void ObjectPart::SetMaxHp(float hp)
{
    _maxHp = hp;
    _curHp = hp;
}

void ObjectPart::AddShape(NxShape* shape)
{
    if (!shape)
        return;
    shape->userData = this;
    _shapes.push_back(shape);
}

void ObjectPart::AddChild(ObjectPart* child)
{
    if (!child)
        return;
    child->_parent = this;
    _children.push_back(child);
}

NxShape* ObjectPart::GetShape(int index) const
{
    return index >= 0 && index < GetShapeCount() ? _shapes[index] : nullptr;
}

bool ObjectPart::IsShape(const NxShape* shape) const
{
    return shape && std::find(_shapes.begin(), _shapes.end(), shape) != _shapes.end();
}

NxShape* ObjectPart::GetRandomShape() const
{
    return _shapes.empty() ? nullptr : _shapes[EngineRandom() % _shapes.size()];
}

void ObjectPart::DisableCollision()
{
    SingleLevel* level = game.GetLevel();
    PhysicsSpace* space = level ? level->GetSpace() : nullptr;
    PhysicsActor* body = _container ? _container->GetPhysActor() : nullptr;
    if (space && body)
    {
        for (NxShape* shape : _shapes)
            space->AddShapeToGraveyard(body, shape);
    }
    _shapes.clear();
}

void ObjectPart::DisableCollisionRecursive(Node* node)
{
    if (!node)
        return;
    if (ObjectPart* part = node->GetObjectPart())
    {
        part->DisableCollision();
        if (part->_owner && part->_owner->HasFlag(ACTOR_FLAG_SHIP))
            static_cast<Ship*>(part->_owner)->OnPartDetached(part);
    }
    for (unsigned i = 0; i < node->GetNumChildren(); ++i)
        DisableCollisionRecursive(node->GetChild(i));
}

void ObjectPart::NotifyOwner(bool destroyed)
{
    if (!_owner)
        return;
    if (_owner->HasFlag(ACTOR_FLAG_SHIP))
    {
        auto* ship = static_cast<Ship*>(_owner);
        destroyed ? ship->OnPartDestroyed(this) : ship->OnPartDamaged(this);
    }
    else if (_owner->HasFlag(ACTOR_FLAG_OBJECT))
    {
        auto* object = static_cast<Object*>(_owner);
        destroyed ? object->OnPartDestroyed(this) : object->OnPartDamaged(this);
    }
}
