#include "MaterialSystem/meshes/MeshRenderable.h"

MeshRenderable::MeshRenderable(Mesh* mesh, const RenderableDesc& desc, const StreamBinding& binding) : _mesh(mesh)
{
    _description = desc;
    _binding = binding;
}
