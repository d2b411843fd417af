#pragma once
// One breakable bone of an actor's model: its hit points, physics shapes and visuals, and its
// place in a tree of parts. It turns damaged below half its hit points and destroyed below
// zero, each once and never back; its owner is told of each change. The destructible object
// that made it owns it.
#include <cstddef>
#include <vector>

class Actor;
class Bone;
class DestructableObject;
class Model;
class Node;
class NxShape;
class RenderMesh;
struct ObjectPartType;

class ObjectPart
{
public:
    static constexpr size_t NameSize = 64;
    // Bone names are looked up up to this length.
    static constexpr size_t BoneNameSize = 128;

    // The answers of DoDamage.
    enum eDamageResult
    {
        DAMAGE_NONE = 0,
        DAMAGE_DAMAGED = 1,
        DAMAGE_DESTROYED = 2,
    };

    // A name longer than 63 characters is cut.
    ObjectPart(const char* name, Bone* bone, Actor* owner, ObjectPartType* type, DestructableObject* container,
               bool sharedVisuals, RenderMesh* mesh, Model* dirtModel);

    // The prototype a bone carries: the part type named as the bone without its last three
    // characters ("wing_01" carries "wing"); null when the game data has none.
    static ObjectPartType* FindPrototype(const char* boneName);

    // Visuals (unless shared) and hit points scaled by the prototype and the difficulty.
    void Initialize();
    int DoDamage(float amount);
    // The argument asks for an explosion.
    void SwitchToDamaged(bool explosion);
    // The argument has no effect.
    void SwitchToDestroyed(bool explosion);
    void SetDirtLevel();
    // Flags the part damaged and destroyed, nothing else.
    void Disable();

    bool IsDamaged() const { return _damaged; }
    bool IsDestroyed() const { return _destroyed; }
    // Maximum and current.
    void SetMaxHp(float hp);
    float GetMaxHp() const { return _maxHp; }
    void SetCurHp(float hp) { _curHp = hp; }
    float GetCurHp() const { return _curHp; }
    void SetDamaged(bool damaged) { _damaged = damaged; }
    void SetDestroyed(bool destroyed) { _destroyed = destroyed; }
    const char* GetName() const { return _name; }
    Bone* GetNode() const { return _node; }
    Actor* GetActor() const { return _owner; }
    ObjectPartType* GetType() const { return _type; }
    ObjectPart* GetParent() const { return _parent; }
    DestructableObject* GetContainer() const { return _container; }
    const std::vector<ObjectPart*>& GetChildren() const { return _children; }
    RenderMesh* GetMesh() const { return _mesh; }
    Model* GetDirtModel() const { return _dirtModel; }

    // Stores this part in the shape's user data.
    void AddShape(NxShape* shape);
    void AddChild(ObjectPart* child);
    int GetShapeCount() const { return static_cast<int>(_shapes.size()); }
    // Null when out of range.
    NxShape* GetShape(int index) const;
    bool IsShape(const NxShape* shape) const;
    // Null without shapes.
    NxShape* GetRandomShape() const;
    // The shapes go to the physics space's graveyard.
    void DisableCollision();
    // Every part on the node and below it loses its shapes; a ship owner hears of each.
    void DisableCollisionRecursive(Node* node);

    void Proceed() {}
    void IncrementHP() {}

private:
    void NotifyOwner(bool destroyed);
    // The child sub-trees fly off as free ship parts.
    void DetachChildren();
    void ThrowDebris() const;

    char _name[NameSize] = {};
    float _curHp = 1000;
    float _maxHp = 1000;
    Bone* _node;
    ObjectPartType* _type;
    Actor* _owner;
    DestructableObject* _container;
    ObjectPart* _parent = nullptr;
    std::vector<ObjectPart*> _children; // not owned
    std::vector<NxShape*> _shapes;      // not owned
    bool _damaged = false;
    bool _destroyed = false;
    RenderMesh* _mesh;
    Node* _intactModel = nullptr;
    Model* _dirtModel;
    bool _sharedVisuals;
};
