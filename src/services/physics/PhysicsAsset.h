#pragma once
// A physics asset file as the loader keeps it: parsed and checked once, when it is loaded.
#include "ResourceSystem/IResource.h"
#include "services/physics/PhysicsAssetFormat.h"

class PhysicsAsset : public IResource
{
public:
    PhysicsAsset(const ResourceInfo& info, PhysicsAssetData data) : IResource(info), _data(std::move(data)) {}

    const PhysicsAssetData& GetData() const { return _data; }

private:
    PhysicsAssetData _data;
};
