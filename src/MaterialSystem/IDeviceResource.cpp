#include "MaterialSystem/IDeviceResource.h"

#include <cassert>

std::list<IDeviceResource*> IDeviceResource::_resources;
std::list<IDeviceResource*>::iterator IDeviceResource::_resourcesIterator = IDeviceResource::_resources.end();

// Resources appearing or vanishing under the cursor would break the walk.
bool IDeviceResource::WalkOpen() { return _resourcesIterator != _resources.end(); }

IDeviceResource::IDeviceResource()
{
    assert(!WalkOpen() && "device resources may not be created during a walk");
    _resources.push_back(this);
}

IDeviceResource::~IDeviceResource()
{
    assert(!WalkOpen() && "device resources may not be destroyed during a walk");
    _resources.remove(this);
}

void IDeviceResource::Begin() { _resourcesIterator = _resources.begin(); }
bool IDeviceResource::End() { return _resourcesIterator != _resources.end(); }
IDeviceResource* IDeviceResource::Current() { return *_resourcesIterator; }
void IDeviceResource::Next() { ++_resourcesIterator; }
unsigned IDeviceResource::GetCount() { return static_cast<unsigned>(_resources.size()); }
