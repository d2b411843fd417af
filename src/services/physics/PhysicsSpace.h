#pragma once
// One mission's physics: the scene, the actor factories, joints by name, the deferred shape
// release, and the routing of the scene's reports to the actors' listeners.
#include <map>
#include <vector>

#include "foundation/base/Name.h"
#include "services/physics/JointDesc.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/shim/NxReports.h"

class NxPhysicsSDK;
class NxScene;
class NxShape;
class NxJoint;
class PhysicsActorEventListener;
class PhysicsLoader;
class ResourceSystem;
struct NxForceFieldLinearKernelDesc;

// The engine object, live from the first CreatePhysicsSpace to ReleasePhysicsSpace.
extern NxPhysicsSDK* nxSdk;

class PhysicsSpace : public NxUserNotify, public NxUserTriggerReport, public NxUserContactReport
{
public:
    PhysicsSpace(const PhysicsSpace&) = delete;
    PhysicsSpace& operator=(const PhysicsSpace&) = delete;
    ~PhysicsSpace() override;

    // Each returns null (logged) when the actor cannot be made.
    PhysicsActor* CreatePhysicsActorForPlayer(PhysicsActorEventListener* listener);
    PhysicsActor* CreatePhysicsActorForFighter(PhysicsActorEventListener* listener, const char* name);
    PhysicsActor* CreatePhysicsActor(PhysicsActorEventListener* listener, const char* assetName);
    PhysicsActor* CreatePhysicsMultiModelActor(PhysicsActorEventListener* listener, int count, char** assetNames,
                                               NxMat34* poses, Vec3* scales, const char* text, void** parts, bool flag);
    // Also forgets the actor's joints and its pending graveyard records.
    void ReleasePhysicsActor(PhysicsActor* actor);

    // Shapes cannot go while the scene reports; they are released after the step. A shape
    // handed in twice goes once, one already gone is ignored, and a body keeps its last shape.
    void AddShapeToGraveyard(PhysicsActor* actor, NxShape* shape);
    void UpdateShapeGraveyard();

    void AddSphericalJoint(JointDesc& desc);
    void AddFixedJoint(JointDesc&) {}
    void AddForceField(NxForceFieldLinearKernelDesc&) {}
    // Forgets the joint; releases it in the scene too when `release` is set.
    void BreakJoint(Name name, bool release);
    void BreakAllJoints();

    void SetActorGroupCollisionFlag(uint16_t a, uint16_t b, bool collide);
    NxScene* GetScene() const { return _scene; }

private:
    friend PhysicsSpace* CreatePhysicsSpace(ResourceSystem* resources);
    PhysicsSpace(NxScene* scene, ResourceSystem* resources);

    PhysicsActor* Adopt(NxActor* actor, PhysicsActorEventListener* listener);

    bool onJointBreak(float breakingImpulse, NxJoint& joint) override;
    void onTrigger(NxShape& triggerShape, NxShape& otherShape, NxTriggerFlag status) override;
    void onContactNotify(NxContactPair& pair, NxU32 events) override;

    struct GraveRecord
    {
        PhysicsActor* actor;
        NxShape* shape;
    };

    NxScene* _scene;
    PhysicsLoader* _loader; // one per process, not owned
    std::vector<GraveRecord> _graveyard;
    std::map<int, NxJoint*> _joints; // by Name index
};

// Null when no scene can be made. A space still current is released first.
PhysicsSpace* CreatePhysicsSpace(ResourceSystem* resources);
// Destroys the current space (if any), then the engine object.
void ReleasePhysicsSpace();
