#pragma once

#include "ResourceSystem/IResourceMgr.h"

#include <cstdint>

class ModelAsset;
class RenderScene;

// The manager of ".mod" model files, registered under "mod" by the render scene: each file is
// loaded once into an asset that scenes instantiate as often as they like. A file that is
// missing or shorter than its header gives an empty asset under its name, with a logged line.
class ModelMgr : public IResourceMgr
{
public:
    static constexpr unsigned long HeaderSize = 8;

    explicit ModelMgr(RenderScene* scene);
    ~ModelMgr() override;

    // Loads the file under the manager's root, or answers the asset already loaded.
    ModelAsset* CreateAssetFromFile(const char* path);
    void DestroyAsset(ModelAsset* asset);
    void Cleanup();
    RenderScene* GetScene() const { return _scene; }

    void* OnQueryHeader(unsigned long& headerSize, const char* extension) override;
    IResource* OnCreateProxyResource(const ResourceInfo& info) override;
    IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) override;

private:
    RenderScene* _scene;
    uint8_t _header[HeaderSize] = {};
};
