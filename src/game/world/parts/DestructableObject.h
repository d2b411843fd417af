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

    // From the bone and the bones below it (the bone is the root part, and the parts show the
    // visuals already under the bones), or from every bone of the model without one, each part
    // with visuals of its own. One body holds the shapes of every part; with the mission's AI
    // switched off it is a single sphere that every part shares. Null when no bone makes a part.
    PhysicsActor* Initialize(Bone* bone);
    void Proceed();
    // Deletes the parts; the body stays (its owner may have taken it as its own).
    void ShutDown();
    // Gives the body back to the mission's physics space.
    void ReleasePhysActor();

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
    struct Gathering;

    // The part of a bone that names a prototype; null for any other bone.
    ObjectPart* Gather(Bone* bone, bool sharedVisuals, Gathering& gathering);
    void GatherBelow(Bone* bone, Gathering& gathering);
    void CreateBody(Bone* bone, Gathering& gathering);
    void LinkTree();
    // Only parts of this object count: a shape of another body carries no part of ours.
    ObjectPart* PartOfShape(const NxShape* shape) const;
    ObjectPart* FindPart(const char* name) const;
    // The first part that holds the shape.
    ObjectPart* PartHolding(const NxShape* shape) const;
    // Of the parts, per cent in the state; 0 without parts.
    float Percent(bool (ObjectPart::*state)() const) const;

    ObjectPart* _rootPart = nullptr;
    Model* _model;
    PhysicsActor* _physActor = nullptr;
    Actor* _parent;
    std::vector<ObjectPart*> _parts; // owned
};
