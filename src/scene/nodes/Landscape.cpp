#include "scene/nodes/Landscape.h"

Landscape::Landscape(Group* root, RenderScene* scene) : Renode(root, scene) {}
