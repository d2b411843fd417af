#pragma once

#include "foundation/base/Flags.h"
#include "foundation/base/Name.h"
#include "scene/nodes/NodeTypes.h"

#include <vector>

class Bone;
class Group;
class MemStream;
class NodeDesc;
class NodeVisitor;
class ObjectPart;
class RenderScene;

// A node of a scene layer's tree: a name, an enable flag that hides its subtree, a parent and
// the children it owns, the layer root it belongs to and the scene that made it. Deleting a
// node unlinks it from its parent and deletes its subtree.
class Node : public Flags
{
public:
    // With no root given the node is its own root (the layer roots are made so).
    Node(Group* root, RenderScene* scene);
    virtual ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    virtual bool AcceptVisitor(NodeVisitor& visitor);
    virtual bool PostAcceptVisitor(NodeVisitor& visitor);
    virtual eNodeType GetType() const { return NT_NODE; }
    virtual void WriteToDesc(NodeDesc& desc) const;
    virtual void ReadFromDesc(const NodeDesc& desc);
    // Appends without removing the node from a former parent (Bone::Attach re-parents).
    virtual void AddChild(Node* node);
    virtual void RemoveChild(Node* node);
    virtual void RemoveChildren();
    virtual void DestroyChild(Node* node);
    virtual void DestroyChildren();
    // The node as a bone; null for nodes without a pose of their own.
    virtual Bone* AsBone() { return nullptr; }
    virtual const Bone* AsBone() const { return nullptr; }

    void SetName(Name name) { _name = name; }
    Name GetName() const { return _name; }
    void Enable(bool enable) { _enabled = enable; }
    bool IsEnabled() const { return _enabled; }
    bool HasParent() const { return _parent != nullptr; }
    // The parent as a bone: null without a parent or when the parent has no pose.
    Bone* GetParent() const;
    Node* GetParentNode() const { return _parent; }
    Group* GetRoot() const { return _root; }
    RenderScene* GetScene() const { return _scene; }
    unsigned GetNumChildren() const { return static_cast<unsigned>(_children.size()); }
    // The index must be below the count.
    Node* GetChild(unsigned index) const { return _children[index]; }
    // True when the node hangs under something other than its layer root.
    bool HasNoRootParent() const;

    // The game world's part object of a part bone; not owned.
    void SetObjectPart(ObjectPart* part) { _objectPart = part; }
    ObjectPart* GetObjectPart() const { return _objectPart; }

    // Clears bits whether or not they are set.
    void ClearFlags(unsigned long bits) const { _flags &= ~static_cast<uint32_t>(bits); }

    // Any mode but the two walks does nothing.
    void Traverse(NodeVisitor& visitor, eTraverseMode mode);

    // Writes this node's record (and its subtree's when recursive) at the stream's cursor,
    // growing the stream when it lacks room.
    void Serialize(MemStream& stream, bool recursive);
    // Reads the description at the stream's cursor into this node, and its child records
    // when recursive; a record that does not fit is skipped with a logged line.
    void Deserialize(MemStream& stream, bool recursive);
    // The bytes Serialize writes.
    unsigned GetSerializedSize(bool recursive) const;

    // Ids of written records: the counter's value, then it is incremented.
    static unsigned IncrementIdCounter();
    static void ResetIdCounter();

protected:
    // For a group made without a root, which is its own root.
    void SetRoot(Group* root) { _root = root; }

private:
    void TraverseDown(NodeVisitor& visitor);
    bool TraverseUp(NodeVisitor& visitor);

    Name _name;
    bool _enabled = true;
    Node* _parent = nullptr;
    Group* _root;
    RenderScene* _scene;
    std::vector<Node*> _children;
    ObjectPart* _objectPart = nullptr;

    static unsigned _idCounter;
};
