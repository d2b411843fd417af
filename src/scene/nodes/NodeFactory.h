#pragma once

#include "scene/nodes/NodeTypes.h"

class Group;
class Node;
class RenderScene;

// A node of a model-file record type with the given root and scene, attached nowhere; null for
// the types no node is read from (0, 11 and unknown codes). NT_SOUNDBONE gives a sound bone
// without a sound.
Node* CreateNodeOfType(Group* root, RenderScene* scene, unsigned type);
