#include "MaterialSystem/IDeviceResource.h"

#include <cassert>
#include <memory>

#include "foundation/base/Singletons.h"

IDeviceResource::Registry& IDeviceResource::List()
{
    static Registry* const registry = Singletons::Adopt(std::make_unique<Registry>());
    return *registry;
}

// Resources appearing or vanishing under the cursor would break the walk.
bool IDeviceResource::WalkOpen() { return List().cursor != List().resources.end(); }

IDeviceResource::IDeviceResource()
{
    assert(!WalkOpen() && "device resources may not be created during a walk");
    List().resources.push_back(this);
}

IDeviceResource::~IDeviceResource()
{
    assert(!WalkOpen() && "device resources may not be destroyed during a walk");
    List().resources.remove(this);
}

void IDeviceResource::Begin() { List().cursor = List().resources.begin(); }
bool IDeviceResource::End() { return List().cursor != List().resources.end(); }
IDeviceResource* IDeviceResource::Current() { return *List().cursor; }
void IDeviceResource::Next() { ++List().cursor; }
unsigned IDeviceResource::GetCount() { return static_cast<unsigned>(List().resources.size()); }
