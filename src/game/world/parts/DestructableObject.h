#pragma once
// Turns the bones of an actor's model into object parts and builds one physics actor for all
// of them, so that each part has its own shapes, hit points and damage state. Ships, ship parts
// and world objects hold one; hits reach a part by the physics shape that was hit.
#include <vector>

#include "foundation/math/Vec3.h"

class Actor;
class Bone;
class Model;
class NxShape;
class ObjectPart;
class PhysicsActor;

class DestructableObject
{
public:
    // At most this many parts go into one physics actor.
    static constexpr unsigned MaxSubModels = 1024;

    DestructableObject(Model* model, Actor* parent);
    ~DestructableObject();
    DestructableObject(const DestructableObject&) = delete;
    DestructableObject& operator=(const DestructableObject&) = delete;

    // From the bone and the bones below it (the bone is the root part), or from every bone of
    // the model without one. Null when no bone makes a part.
    PhysicsActor* Initialize(Bone* bone);
    void Proceed();
    // Deletes the parts.
    void ShutDown();

    ObjectPart* GetPart(int index) const;
    int GetPartCount() const { return static_cast<int>(_parts.size()); }
    ObjectPart* GetRootPart() const { return _rootPart; }
    PhysicsActor* GetPhysActor() const { return _physActor; }
    Actor* GetParentActor() const { return _parent; }
    ObjectPart* GetPartByBone(const Bone* bone) const;

    // True when a part that is not destroyed holds the shape.
    bool IsShape(const NxShape* shape) const;
    void DoDamage(NxShape* shape, float amount);
    void DoDamageToPart(const char* name, float amount);
    void DoDamageRandom(float amount);
    void DamagePartByName(const char* name, bool explosion);
    void DamagePartByShape(NxShape* shape, bool explosion);
    void DestroyPartByName(const char* name, bool explosion);
    void DestroyPartByShape(NxShape* shape, bool explosion);
    void DamageAll();
    void DestroyAll();
    float FloatDamagedPercent() const;
    float FloatDestroyedPercent() const;
    void AddForceByExplosion(const Vec3&, float, float, float) {}

private:
    ObjectPart* _rootPart = nullptr;
    Model* _model;
    PhysicsActor* _physActor = nullptr;
    Actor* _parent;
    std::vector<ObjectPart*> _parts; // owned
};
