#include "game/world/parts/DestructableObject.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "foundation/base/Dumper.h"
#include "foundation/base/Random.h"
#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Actor.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/parts/PartVisuals.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxShape.h"

namespace {
constexpr size_t PhysNameSize = 128;
}

// What Initialize collects for the body: one record per gathered part.
struct DestructableObject::Gathering
{
    std::vector<std::string> physNames;
    std::vector<NxMat34> poses;
    std::vector<Vec3> scaleSigns;
    std::vector<void*> parts;
    bool warned = false;
};

DestructableObject::DestructableObject(Model* model, Actor* parent) : _model(model), _parent(parent) {}

DestructableObject::~DestructableObject() { ShutDown(); }

PhysicsActor* DestructableObject::Initialize(Bone* bone)
{
    Gathering gathering;
    if (bone)
    {
        _rootPart = Gather(bone, true, gathering);
        if (_rootPart)
            GatherBelow(bone, gathering);
    }
    else if (_model)
    {
        for (unsigned i = 0; i < _model->GetNodesCount(); ++i)
        {
            Node* node = _model->GetNodeById(static_cast<int>(i));
            if (node && node->GetType() == NT_BONE)
                Gather(node->AsBone(), false, gathering);
        }
    }
    if (_parts.empty())
        return nullptr;
    CreateBody(bone, gathering);
    LinkTree();
    for (ObjectPart* part : _parts)
        part->Initialize();
    return _physActor;
}

void DestructableObject::GatherBelow(Bone* bone, Gathering& gathering)
{
    for (unsigned i = 0; i < bone->GetNumChildren(); ++i)
    {
        Node* child = bone->GetChild(i);
        if (child->GetType() == NT_BONE && Gather(child->AsBone(), true, gathering))
            GatherBelow(child->AsBone(), gathering);
    }
}

ObjectPart* DestructableObject::Gather(Bone* bone, bool sharedVisuals, Gathering& gathering)
{
    const char* name = bone->GetName().Str();
    ObjectPartType* type = ObjectPart::FindPrototype(name);
    if (!type)
        return nullptr;
    if (gathering.parts.size() >= MaxSubModels)
    {
        if (!gathering.warned)
            Dumper::Instance().Print(DUMP_WARNING, "DestructableObject: more than %u parts; the rest stay whole\n",
                                     MaxSubModels);
        gathering.warned = true;
        return nullptr;
    }

    // A bone that already carries a part (of an earlier part set on the same model) hands its
    // visuals and state over.
    const ObjectPart* previous = bone->GetObjectPart();
    auto* part =
        new ObjectPart(name, bone, _parent, type, this, sharedVisuals, previous ? previous->GetMesh() : nullptr,
                       previous ? previous->GetDirtModel() : nullptr);
    _parts.push_back(part);
    bone->SetObjectPart(part);
    if (previous && previous->GetMaxHp() > 0.0f)
    {
        part->SetMaxHp(previous->GetMaxHp());
        part->SetCurHp(previous->GetCurHp());
        part->SetDamaged(previous->IsDamaged());
        part->SetDestroyed(previous->IsDestroyed());
        part->DoDamage(0.0f);
    }

    // The body's shapes take the bone's pose without scale or mirroring; the mirroring goes to
    // the shapes' vertices.
    const Vec3& scale = bone->GetGlobalScale();
    const Vec3 signs(scale.x < 0.0f ? -1.0f : 1.0f, scale.y < 0.0f ? -1.0f : 1.0f, scale.z < 0.0f ? -1.0f : 1.0f);
    Matrix pose = RigidPose(bone->GetWorldMatrix());
    pose.GetRow3(0) *= signs.x;
    pose.GetRow3(1) *= signs.y;
    pose.GetRow3(2) *= signs.z;
    char physName[PhysNameSize];
    CopyFixedText(physName, type->physname);
    gathering.physNames.emplace_back(physName);
    gathering.poses.push_back(PhysicsActor::ToPose(pose));
    gathering.scaleSigns.push_back(signs);
    gathering.parts.push_back(part);
    return part;
}

void DestructableObject::CreateBody(Bone* bone, Gathering& gathering)
{
    SingleLevel* level = game.GetLevel();
    PhysicsSpace* space = level ? level->GetSpace() : nullptr;
    if (!space)
        return;
    if (level->IsDisableAI())
    {
        _physActor = space->CreatePhysicsActor(_parent, "sphere1.mdl");
        if (!_physActor)
            return;
        // Every part shares the sphere; each shape ends up naming the last part.
        for (NxU32 i = 0; i < _physActor->getNbShapes(); ++i)
            for (ObjectPart* part : _parts)
                part->AddShape(_physActor->getShapes()[i]);
        return;
    }
    std::vector<char*> names;
    for (std::string& name : gathering.physNames)
        names.push_back(name.data());
    _physActor = space->CreatePhysicsMultiModelActor(_parent, static_cast<int>(names.size()), names.data(),
                                                     gathering.poses.data(), gathering.scaleSigns.data(), "test",
                                                     gathering.parts.data(), bone != nullptr);
    if (!_physActor)
        return;
    for (NxU32 i = 0; i < _physActor->getNbShapes(); ++i)
    {
        NxShape* shape = _physActor->getShapes()[i];
        if (ObjectPart* part = PartOfShape(shape))
            part->AddShape(shape);
    }
}

void DestructableObject::LinkTree()
{
    for (ObjectPart* part : _parts)
    {
        for (Node* ancestor = part->GetNode()->GetParentNode(); ancestor; ancestor = ancestor->GetParentNode())
        {
            ObjectPart* owner = ancestor->GetType() == NT_BONE ? ancestor->GetObjectPart() : nullptr;
            if (owner && owner->GetContainer() == this)
            {
                owner->AddChild(part);
                break;
            }
        }
    }
}

void DestructableObject::Proceed()
{
    for (ObjectPart* part : _parts)
        part->Proceed();
}

void DestructableObject::ShutDown()
{
    for (ObjectPart* part : _parts)
        delete part;
    _parts.clear();
    _rootPart = nullptr;
}

void DestructableObject::ReleasePhysActor()
{
    SingleLevel* level = game.GetLevel();
    PhysicsSpace* space = level ? level->GetSpace() : nullptr;
    if (space && _physActor)
        space->ReleasePhysicsActor(_physActor);
    _physActor = nullptr;
}

ObjectPart* DestructableObject::GetPart(int index) const
{
    return index >= 0 && index < GetPartCount() ? _parts[index] : nullptr;
}

ObjectPart* DestructableObject::GetPartByBone(const Bone* bone) const
{
    for (ObjectPart* part : _parts)
        if (part->GetNode() == bone)
            return part;
    return nullptr;
}

ObjectPart* DestructableObject::PartOfShape(const NxShape* shape) const
{
    if (!shape || !shape->userData)
        return nullptr;
    auto* part = static_cast<ObjectPart*>(shape->userData);
    return std::find(_parts.begin(), _parts.end(), part) != _parts.end() ? part : nullptr;
}

ObjectPart* DestructableObject::PartHolding(const NxShape* shape) const
{
    for (ObjectPart* part : _parts)
        if (part->IsShape(shape))
            return part;
    return nullptr;
}

ObjectPart* DestructableObject::FindPart(const char* name) const
{
    for (ObjectPart* part : _parts)
        if (name && std::strcmp(part->GetName(), name) == 0)
            return part;
    return nullptr;
}

bool DestructableObject::IsShape(const NxShape* shape) const
{
    return std::any_of(_parts.begin(), _parts.end(),
                       [&](const ObjectPart* part) { return !part->IsDestroyed() && part->IsShape(shape); });
}

void DestructableObject::DoDamage(NxShape* shape, float amount)
{
    if (ObjectPart* part = PartOfShape(shape))
        part->DoDamage(amount);
}

void DestructableObject::DoDamageToPart(const char* name, float amount)
{
    if (ObjectPart* part = FindPart(name))
        part->DoDamage(amount);
}

void DestructableObject::DoDamageRandom(float amount)
{
    std::vector<ObjectPart*> candidates;
    for (ObjectPart* part : _parts)
        if (!part->IsDestroyed() && part->GetShapeCount() > 0)
            candidates.push_back(part);
    if (candidates.empty())
        return;
    ObjectPart* part = candidates[EngineRandom() % candidates.size()];
    DoDamage(part->GetRandomShape(), amount);
}

void DestructableObject::DamagePartByName(const char* name, bool explosion)
{
    if (ObjectPart* part = FindPart(name))
        part->SwitchToDamaged(explosion);
}

void DestructableObject::DamagePartByShape(NxShape* shape, bool explosion)
{
    if (ObjectPart* part = PartHolding(shape))
        part->SwitchToDamaged(explosion);
}

void DestructableObject::DestroyPartByName(const char* name, bool explosion)
{
    if (ObjectPart* part = FindPart(name))
        part->SwitchToDestroyed(explosion);
}

void DestructableObject::DestroyPartByShape(NxShape* shape, bool explosion)
{
    if (ObjectPart* part = PartHolding(shape))
        part->SwitchToDestroyed(explosion);
}

void DestructableObject::DamageAll()
{
    for (size_t i = 0; i < _parts.size(); ++i)
        if (!_parts[i]->IsDamaged())
            _parts[i]->SwitchToDamaged(false);
}

void DestructableObject::DestroyAll()
{
    for (size_t i = 0; i < _parts.size(); ++i)
        if (!_parts[i]->IsDestroyed())
            _parts[i]->SwitchToDestroyed(false);
}

float DestructableObject::Percent(bool (ObjectPart::*state)() const) const
{
    if (_parts.empty())
        return 0.0f;
    const auto count = std::count_if(_parts.begin(), _parts.end(), [&](const ObjectPart* p) { return (p->*state)(); });
    return 100.0f / static_cast<float>(_parts.size()) * static_cast<float>(count);
}

float DestructableObject::FloatDamagedPercent() const { return Percent(&ObjectPart::IsDamaged); }

float DestructableObject::FloatDestroyedPercent() const { return Percent(&ObjectPart::IsDestroyed); }
