#include "scene/model/ModelAsset.h"

#include "scene/model/ModelMgr.h"
#include "scene/model/ModelReader.h"
#include "scene/nodes/Model.h"

ModelAsset::ModelAsset(ModelMgr* manager, const ResourceInfo& info, const MemStream& body)
    : IResource(info), _manager(manager), _body(body)
{}

Model* ModelAsset::CreateModel(Group* layerRoot)
{
    auto* model = new Model(layerRoot, _manager ? _manager->GetScene() : nullptr);
    MemStream stream(_body.GetPtr(), _body.GetSize());
    ReadNodes(model, stream);
    return model;
}

void ModelAsset::ReadNodes(Model* model, MemStream& stream) const
{
    ModelReader reader(stream, _info.name);
    reader.ReadModel(*model);
}
