#pragma once

// The node type codes; also the record types of model files.
enum eNodeType : unsigned
{
    NT_NODE = 0, // also Renode
    NT_BONE = 1, // also SoundBone
    NT_GROUP = 2,
    NT_CAMERA = 3,
    NT_RENDERMESH = 4,
    NT_MODEL = 5,
    NT_PARTICLESET = 6,
    NT_EMITTER = 7,
    NT_PARTICLEEMITTER = 8,
    NT_OMNI = 9,
    NT_LENSFLARE = 10,
    NT_LANDSCAPE = 11,
    NT_SOUNDBONE = 12, // a factory code only: the node answers NT_BONE
};

// The space a relative move is given in.
enum eCoordSpace : unsigned
{
    CS_PARENT = 0,
    CS_WORLD = 1,
    CS_LOCAL = 2, // the bone's own axes
};

enum eTraverseMode : unsigned
{
    TM_DEPTH_FIRST = 0,
    TM_NONE = 1,
    TM_PARENTS = 2, // from the node up its parent chain
};

// The bits of a node's flag word that the scene graph uses.
enum eNodeFlags : unsigned long
{
    NF_SUBTREE_MOVED = 0x01, // something below moved: the group's bounds are rebuilt
    NF_MOVED = 0x02,         // this bone moved since the last transform pass
    NF_POSE_STALE = 0x04,    // global position, scale and orientation
    NF_MATRIX_STALE = 0x08,  // world matrix
    NF_VIEW_STALE = 0x10,    // camera view and projection
    NF_FRUSTUM_STALE = 0x20, // camera frustum
};

// The layers of a render scene, in the order of their roots' creation but the stage.
enum eSceneLayerType : unsigned
{
    SL_BACKGROUND = 0,
    SL_FOREGROUND = 1,
    SL_FOREGROUND2 = 2,
    SL_STAGE = 3,
};
