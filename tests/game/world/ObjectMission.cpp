#include "ObjectMission.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/objects/Object.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "scene/nodes/Camera.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxScene.h"

void ObjectMission::SetUp()
{
    MissionFixture::SetUp();
    if (IsSkipped())
        return;
    EngineSeed(1234);
    game.GetCamera()->SetPosition(0.0f, 0.0f, 0.0f);
    Start("");
    ASSERT_TRUE(FinishLoading());
    ASSERT_NE(level.GetSpace(), nullptr);
}

Object* ObjectMission::Spawn(const char* type, const Vec3& position)
{
    Object* object = level.CreateObject(type, nullptr);
    if (object)
        object->SetPose(Placed(position));
    return object;
}

const char* ObjectMission::Crate(int material, bool wreck)
{
    const std::string name = (wreck ? "ytg_debris_test_" : "test_crate_") + std::to_string(material);
    Base* base = game.GetBase();
    for (int i = 0; i < base->GetObjectCount(); ++i)
        if (name == base->GetObjectByIndex(i)->name)
            return base->GetObjectByIndex(i)->name;
    ObjectType* type = base->AddObject();
    std::snprintf(type->name, sizeof(type->name), "%s", name.c_str());
    std::snprintf(type->classname, sizeof(type->classname), "Object");
    std::snprintf(type->mesh, sizeof(type->mesh), "box.sms");
    std::snprintf(type->phys, sizeof(type->phys), "box1.mdl");
    type->hp = 100;
    type->materialType = static_cast<float>(material);
    return type->name;
}

unsigned ObjectMission::BodyCount() const
{
    return static_cast<unsigned>(level.GetSpace()->GetScene()->getActors().size());
}

ObjectPart* PartNamed(const DestructableObject* parts, const char* name)
{
    for (int i = 0; parts && i < parts->GetPartCount(); ++i)
        if (std::strcmp(parts->GetPart(i)->GetName(), name) == 0)
            return parts->GetPart(i);
    return nullptr;
}

ObjectPart* PartNamed(const Object* object, const char* name)
{
    return PartNamed(object->GetDestructableObject(), name);
}

Matrix Placed(const Vec3& position)
{
    Matrix pose = Matrix::Ident();
    pose.Translate(position);
    return pose;
}
