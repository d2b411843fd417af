#pragma once
// Value types and constants of the physics layer that the game world uses by name.
#include <cfloat>
#include <cstdint>

#include "foundation/math/Vec3.h"

using NxU8 = uint8_t;
using NxU16 = uint16_t;
using NxU32 = uint32_t;
using NxReal = float;
using NxVec3 = Vec3;
using NxCollisionGroup = NxU16; // 0..31, per shape
using NxActorGroup = NxU16;     // selects contact reports per actor pair

constexpr NxReal NX_MAX_REAL = FLT_MAX;
// The scene advances in fixed steps of this length, as many per simulate call as the time
// given covers (see NxSceneDesc::maxIter).
constexpr NxReal NX_FIXED_STEP = 1.0f / 60.0f;
constexpr NxU32 NX_MAX_GROUPS = 32;

struct NxQuat
{
    float x = 0, y = 0, z = 0, w = 1;
};

// A rigid pose: a 3x3 rotation applied to column vectors (row-major) and a translation.
struct NxMat34
{
    float M[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    NxVec3 t{0, 0, 0};

    NxVec3 Transform(const NxVec3& v) const
    {
        return {M[0][0] * v.x + M[0][1] * v.y + M[0][2] * v.z + t.x,
                M[1][0] * v.x + M[1][1] * v.y + M[1][2] * v.z + t.y,
                M[2][0] * v.x + M[2][1] * v.y + M[2][2] * v.z + t.z};
    }
    // (a * b) applies b first, then a.
    NxMat34 operator*(const NxMat34& b) const
    {
        NxMat34 r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r.M[i][j] = M[i][0] * b.M[0][j] + M[i][1] * b.M[1][j] + M[i][2] * b.M[2][j];
        r.t = Transform(b.t);
        return r;
    }
};

struct NxRay
{
    NxVec3 orig{0, 0, 0};
    NxVec3 dir{0, 0, 1}; // unit length
};

enum NxShapeType : NxU32
{
    NX_SHAPE_SPHERE = 1,
    NX_SHAPE_BOX = 2,
    NX_SHAPE_CONVEX = 5,
    NX_SHAPE_MESH = 6,
};

enum NxShapeFlag : NxU32
{
    NX_TRIGGER_ON_ENTER = 1,
    NX_TRIGGER_ON_LEAVE = 2,
    NX_TRIGGER_ON_STAY = 4,
    NX_TRIGGER_ENABLE = 7,
};
using NxTriggerFlag = NxShapeFlag;

enum NxActorFlag : NxU32
{
    NX_AF_DISABLE_COLLISION = 1,
};

enum NxBodyFlag : NxU32
{
    // Placed by its owner each frame: forces and contacts do not move it, it still pushes
    // dynamic bodies and reports contacts and triggers.
    NX_BF_KINEMATIC = 1 << 7,
};

enum NxForceMode : NxU32
{
    NX_FORCE = 0,
    NX_IMPULSE = 1,
    NX_VELOCITY_CHANGE = 2,
    NX_SMOOTH_IMPULSE = 3,
    NX_SMOOTH_VELOCITY_CHANGE = 4,
    NX_ACCELERATION = 5,
};

// Contact report bits; the events value of one report is exactly one of the first three.
enum NxContactPairFlag : NxU32
{
    NX_NOTIFY_ON_START_TOUCH = 2,
    NX_NOTIFY_ON_END_TOUCH = 4,
    NX_NOTIFY_ON_TOUCH = 8,
    NX_NOTIFY_ALL = 2046,
};

enum NxShapesType : NxU32
{
    NX_STATIC_SHAPES = 1,
    NX_DYNAMIC_SHAPES = 2,
    NX_ALL_SHAPES = 3,
};

enum NxSimulationStatus : NxU32
{
    NX_RIGID_BODY_FINISHED = 1,
};

enum NxJointFlag : NxU32
{
    NX_JF_COLLISION_ENABLED = 2,
};

enum NxSphericalJointFlag : NxU32
{
    NX_SJF_TWIST_LIMIT_ENABLED = 1,
    NX_SJF_SWING_LIMIT_ENABLED = 2,
    NX_SJF_SWING_SPRING_ENABLED = 8,
};
