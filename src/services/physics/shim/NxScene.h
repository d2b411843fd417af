#pragma once
// The simulated world: actors, joints, the group collision table and the reports.
// simulate runs as many fixed steps as the time it is given covers (up to the description's
// maxIter; time left over waits for the next call); fetchResults then hands out the contact
// (start, touch, end once per actor pair), trigger (enter, stay, leave) and joint-break reports
// of those steps taken together, so a touch within any of them is reported.
#include <memory>
#include <unordered_map>
#include <vector>

#include "services/physics/shim/NxDescs.h"
#include "services/physics/shim/NxReports.h"

class NxActor;
class NxJoint;
class NxShape;
class SceneWorld;
class btCollisionObject;
struct btBroadphaseProxy;

class NxScene
{
public:
    explicit NxScene(const NxSceneDesc& desc);
    NxScene(const NxScene&) = delete;
    NxScene& operator=(const NxScene&) = delete;
    ~NxScene();

    // Null when the description cannot be built (no shapes, a triangle mesh on a body, a
    // degenerate mesh); the reason is logged.
    NxActor* createActor(const NxActorDesc& desc);
    // Also releases the actor's joints.
    void releaseActor(NxActor& actor);
    NxU32 getNbActors() const { return NxU32(_actors.size()); }
    std::vector<NxActor*> getActors() const;

    NxJoint* createJoint(const NxSphericalJointDesc& desc);
    void releaseJoint(NxJoint& joint);

    // Shape groups collide unless switched off here (symmetric).
    void setGroupCollisionFlag(NxCollisionGroup a, NxCollisionGroup b, bool collide);
    bool getGroupCollisionFlag(NxCollisionGroup a, NxCollisionGroup b) const;
    // Which contact reports an actor-group pair gets (NxContactPairFlag bits; none by default).
    void setActorGroupPairFlags(NxActorGroup a, NxActorGroup b, NxU32 flags);
    NxU32 getActorGroupPairFlags(NxActorGroup a, NxActorGroup b) const;

    void setUserNotify(NxUserNotify* notify) { _notify = notify; }
    void setUserTriggerReport(NxUserTriggerReport* report) { _triggerReport = report; }
    void setUserContactReport(NxUserContactReport* report) { _contactReport = report; }

    void simulate(NxReal elapsedTime);
    bool flushStream() { return true; }
    // Builds and hands out the reports of the last step on the calling thread.
    bool fetchResults(NxSimulationStatus status, bool block);

    // Every shape on the ray within maxDist whose group bit is in `groups`, nearest first, one
    // hit per shape, until the report returns false. Actors with collision disabled are
    // skipped. Returns the number of hits handed out.
    NxU32 raycastAllShapes(const NxRay& ray, NxUserRaycastReport& report, NxShapesType types, NxU32 groups = 0xffffffff,
                           NxReal maxDist = NX_MAX_REAL) const;

    // Called by the world around every fixed step.
    void BeforeStep(NxReal step);
    void AfterStep(NxReal step);

private:
    friend class NxActor;
    friend class SceneFilter;

    using PairKey = std::pair<const void*, const void*>;
    struct PairHash
    {
        size_t operator()(const PairKey& p) const
        {
            return std::hash<const void*>()(p.first) * 31 ^ std::hash<const void*>()(p.second);
        }
    };
    struct ContactRecord
    {
        NxContactPair pair;
        NxContactStream stream;
        int step = 0; // the step its stream and forces are of: the last one the pair touched in
    };

    bool ShouldCollide(const btBroadphaseProxy& a, const btBroadphaseProxy& b) const;
    void ReportJointBreaks();
    // This call's lists become the last ones; each step then adds what touches after it.
    void StartGathering();
    void GatherContacts();
    void ReportContacts();
    void ReportContact(NxContactPair& pair, NxU32 event);
    void CompareTriggers();
    void ReportTriggers();
    void ForgetActor(const NxActor& actor);
    void ForgetShape(const NxShape& shape);
    SceneWorld& World() const { return *_world; }

    std::unique_ptr<SceneWorld> _world;
    std::vector<std::unique_ptr<NxActor>> _actors;
    std::vector<std::unique_ptr<NxJoint>> _joints;
    bool _collide[NX_MAX_GROUPS][NX_MAX_GROUPS];
    std::unordered_map<NxU32, NxU32> _pairFlags; // (a << 16 | b), both orders stored
    NxUserNotify* _notify = nullptr;
    NxUserTriggerReport* _triggerReport = nullptr;
    NxUserContactReport* _contactReport = nullptr;
    NxContactPair* _reporting = nullptr; // the pair in the contact report's hands, if any
    bool _stepped = false;
    int _step = 0;
    NxU32 _maxSteps;
    NxReal _pendingTime = 0; // the clock's time that no step has covered yet
    int _nextSerial = 1;

    // Touching actor pairs of this step and the last, in the order first seen; records of
    // released actors stay in place with null actors.
    std::vector<ContactRecord> _contacts, _lastContacts;
    std::unordered_map<PairKey, size_t, PairHash> _contactIndex, _lastContactIndex;
    // Triggers with shapes inside them this step and the last, in the order first seen (each
    // keeps its own lists); and the trigger reports being handed out (a released shape's are
    // cleared to null).
    struct TriggerEvent
    {
        NxShape* trigger;
        NxShape* other;
        NxTriggerFlag status;
    };
    std::vector<NxShape*> _busyTriggers, _lastBusyTriggers;
    uint64_t _lastMark = 0;
    std::vector<TriggerEvent> _triggerEvents;
};
