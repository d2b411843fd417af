#include "scene/nodes/Node.h"

#include "scene/nodes/Bone.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/NodeDesc.h"
#include "scene/visitors/NodeVisitor.h"

#include <algorithm>

unsigned Node::_idCounter = 0;

Node::Node(Group* root, RenderScene* scene) : _root(root), _scene(scene) {}

Node::~Node()
{
    if (_parent)
        _parent->RemoveChild(this);
    DestroyChildren();
}

bool Node::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool Node::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

void Node::WriteToDesc(NodeDesc& desc) const
{
    desc.SetSize(NodeDesc::NodeSize);
    desc.SetU32(NodeDesc::Enabled, _enabled ? 1 : 0);
    desc.SetText(NodeDesc::NameField, _name.Str());
    desc.SetU32(NodeDesc::ChildCount, GetNumChildren());
}

void Node::ReadFromDesc(const NodeDesc& desc)
{
    _enabled = desc.GetU32(NodeDesc::Enabled) != 0;
    _name = desc.GetName(NodeDesc::NameField);
}

void Node::AddChild(Node* node)
{
    if (!node)
        return;
    _children.push_back(node);
    node->_parent = this;
}

void Node::RemoveChild(Node* node)
{
    auto it = std::find(_children.begin(), _children.end(), node);
    if (it == _children.end())
        return;
    _children.erase(it);
    node->_parent = nullptr;
}

void Node::RemoveChildren()
{
    for (Node* child : _children)
        child->_parent = nullptr;
    _children.clear();
}

void Node::DestroyChild(Node* node)
{
    auto it = std::find(_children.begin(), _children.end(), node);
    if (it == _children.end())
        return;
    RemoveChild(node);
    delete node;
}

void Node::DestroyChildren()
{
    // Taken first: a child's destructor may reach back into this node's scene.
    std::vector<Node*> children;
    children.swap(_children);
    for (Node* child : children)
    {
        child->_parent = nullptr;
        delete child;
    }
}

Bone* Node::GetParent() const { return _parent ? _parent->AsBone() : nullptr; }

bool Node::HasNoRootParent() const { return _parent && _parent != static_cast<Node*>(_root); }

void Node::Traverse(NodeVisitor& visitor, eTraverseMode mode)
{
    if (mode == TM_DEPTH_FIRST)
        TraverseDown(visitor);
    else if (mode == TM_PARENTS)
        TraverseUp(visitor);
}

void Node::TraverseDown(NodeVisitor& visitor)
{
    if (!_enabled || !AcceptVisitor(visitor))
        return;
    // By index: a visitor may add children to the node it stands on.
    for (size_t i = 0; i < _children.size(); ++i)
        _children[i]->TraverseDown(visitor);
    PostAcceptVisitor(visitor);
}

bool Node::TraverseUp(NodeVisitor& visitor)
{
    if (!_enabled || !AcceptVisitor(visitor))
        return false;
    if (_parent)
        _parent->TraverseUp(visitor);
    PostAcceptVisitor(visitor);
    return true;
}

unsigned Node::IncrementIdCounter() { return _idCounter++; }

void Node::ResetIdCounter() { _idCounter = 0; }
