#pragma once
// Descriptions from which the scene builds actors, shapes and joints.
#include <memory>
#include <string>
#include <vector>

#include "services/physics/shim/NxTypes.h"

class NxActor;

struct NxShapeDesc
{
    explicit NxShapeDesc(NxShapeType type_) : type(type_) {}
    virtual ~NxShapeDesc() = default;

    NxShapeType type;
    NxMat34 localPose;
    NxCollisionGroup group = 0;
    NxReal density = 1;
    NxU32 shapeFlags = 0; // NX_TRIGGER_* bits make a trigger shape
    std::string name;
    void* userData = nullptr;
};

struct NxSphereShapeDesc : NxShapeDesc
{
    NxSphereShapeDesc() : NxShapeDesc(NX_SHAPE_SPHERE) {}
    NxReal radius = 1;
};

struct NxBoxShapeDesc : NxShapeDesc
{
    NxBoxShapeDesc() : NxShapeDesc(NX_SHAPE_BOX) {}
    NxVec3 dimensions{1, 1, 1}; // half extents
};

// The hull of the points; the triangles only serve the volume.
struct NxConvexShapeDesc : NxShapeDesc
{
    NxConvexShapeDesc() : NxShapeDesc(NX_SHAPE_CONVEX) {}
    std::vector<NxVec3> points;
    std::vector<NxU32> triangles; // three indices each
};

// Only on static actors.
struct NxTriangleMeshShapeDesc : NxShapeDesc
{
    NxTriangleMeshShapeDesc() : NxShapeDesc(NX_SHAPE_MESH) {}
    std::vector<NxVec3> points;
    std::vector<NxU32> triangles;
};

struct NxBodyDesc
{
    NxReal angularDamping = 0.05f;
    NxReal linearDamping = 0;
    // Seconds a body must stay below the sleep thresholds before it falls asleep.
    NxReal wakeUpCounter = 0.4f;
};

struct NxActorDesc
{
    // Null makes a static actor.
    std::unique_ptr<NxBodyDesc> body;
    NxActorGroup group = 0;
    std::vector<std::unique_ptr<NxShapeDesc>> shapes;
    NxMat34 globalPose;
};

struct NxSphericalJointDesc
{
    NxActor* actor[2] = {nullptr, nullptr}; // a null second actor joins the first to the world
    NxVec3 globalAnchor{0, 0, 0};
    NxVec3 globalAxis{0, 0, 1};
    NxReal maxForce = NX_MAX_REAL;
    NxReal maxTorque = NX_MAX_REAL;
    NxU32 jointFlags = 0; // NxJointFlag
    NxU32 flags = 0;      // NxSphericalJointFlag
    NxReal swingLimit = 0;
    NxReal swingSpringDamper = 0;
    std::string name;
};

struct NxSceneDesc
{
    NxVec3 gravity{0, 0, 0};
    // The most fixed steps one simulate call runs; time beyond them is dropped.
    NxU32 maxIter = 8;
};

// Force fields are accepted and ignored by the game; the description carries nothing.
struct NxForceFieldLinearKernelDesc
{};
