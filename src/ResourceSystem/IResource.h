#pragma once
#include "ResourceSystem/ResourceInfo.h"

// Base of every resource a manager builds: it remembers how it was loaded.
class IResource
{
public:
    virtual ~IResource() = default;

    const ResourceInfo& GetInfo() const { return _info; }

protected:
    IResource() = default;
    explicit IResource(const ResourceInfo& info) : _info(info) {}
    IResource(const IResource&) = default;
    IResource& operator=(const IResource&) = default;

    ResourceInfo _info;
};
