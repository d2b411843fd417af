#pragma once

#include "ResourceSystem/IResource.h"
#include "foundation/base/DataStream.h"

class Group;
class Model;
class ModelMgr;

// The body of a model file, kept to instantiate independent node trees from.
class ModelAsset : public IResource
{
public:
    ModelAsset(ModelMgr* manager, const ResourceInfo& info, const MemStream& body);

    // A new model with the file's nodes and markers under no parent; the caller attaches it.
    Model* CreateModel(Group* layerRoot);
    // Reads the records at the stream's cursor into the model, up to the end.
    void ReadNodes(Model* model, MemStream& stream) const;

    ModelMgr* GetManager() const { return _manager; }
    const MemStream& GetBody() const { return _body; }

private:
    ModelMgr* _manager;
    MemStream _body;
};
