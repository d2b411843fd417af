#pragma once
// Small scene chores shared by parts, objects and shields: meshes made from files, the
// animation value of every sub-mesh (dirt, glow), and directions that stay finite.
#include "foundation/math/Matrix.h"
#include "foundation/math/Vec3.h"

class Bone;
class Emitter;
class Material;
class Model;
class ParticleSet;
class RenderMesh;

// A render mesh on the stage bound to the mesh file; null without a render scene. The mesh
// hangs under the stage root until the caller attaches it.
RenderMesh* CreateMeshNode(const char* meshFile);

// An effect on the stage playing the particle system file; null without a render scene.
Emitter* CreateEmitterNode(const char* particleFile);
// A set of camera-facing particles of the material, full tint, room for `count`, hung under
// the parent; null without a render scene.
ParticleSet* CreateParticleSetNode(Bone* parent, const char* material, float size, unsigned count);
// The material of a file, shared by name; null without a render device.
Material* LoadMaterial(const char* file);

// The animation value of the instance parameters of every sub-mesh of the three levels of
// detail; nothing for a null mesh.
void SetMeshAnimation(RenderMesh* mesh, float value);
// The same for every render mesh in the model.
void SetModelAnimation(Model* model, float value);

// The pose without scale or mirroring: the three axes at unit length, the position kept.
Matrix RigidPose(const Matrix& pose);

// The vector at unit length, or the zero vector for one of no length.
Vec3 UnitOrZero(const Vec3& v);

bool StartsWith(const char* text, const char* prefix);
