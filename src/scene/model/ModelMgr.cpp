#include "scene/model/ModelMgr.h"

#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "scene/RenderScene.h"
#include "scene/model/ModelAsset.h"

ModelMgr::ModelMgr(RenderScene* scene) : _scene(scene) {}

ModelMgr::~ModelMgr() { RemoveAllResources(true); }

ModelAsset* ModelMgr::CreateAssetFromFile(const char* path)
{
    ResourceSystem* resources = GetMaster();
    if (!resources || !path)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Model \"%s\" cannot be loaded: no resource system\n", path ? path : "");
        return nullptr;
    }
    return static_cast<ModelAsset*>(resources->LoadResource(path, this, 0, 0));
}

void ModelMgr::DestroyAsset(ModelAsset* asset) { RemoveResource(asset); }

void ModelMgr::Cleanup() { RemoveAllResources(false); }

void* ModelMgr::OnQueryHeader(unsigned long& headerSize, const char*)
{
    headerSize = HeaderSize;
    return _header;
}

IResource* ModelMgr::OnCreateResource(const ResourceInfo& info, unsigned long dataSize)
{
    MemStream body;
    body.Allocate(dataSize);
    if (dataSize && ReadNextChunk(0, body.GetPtr(), dataSize) != dataSize)
        return INVALID_RES_HANDLE;
    auto* asset = new ModelAsset(this, info, body);
    AddResource(asset);
    return asset;
}

// The game goes on without the model: an empty asset stands in, under the requested name.
IResource* ModelMgr::OnCreateProxyResource(const ResourceInfo& info)
{
    Dumper::Instance().Print(DUMP_ERROR, "Model \"%s\" cannot be loaded: an empty model stands in\n", info.name);
    auto* asset = new ModelAsset(this, info, MemStream());
    AddResource(asset);
    return asset;
}
