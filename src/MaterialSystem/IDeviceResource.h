#pragma once

#include <list>

namespace gfx {
class Device;
}

// Base of everything holding device objects that a device reset destroys. Each instance
// registers itself on construction, in order; MaterialSystem walks the list to release and
// recreate them around a reset. Resources must not be created or destroyed during a walk.
class IDeviceResource
{
public:
    // Release what a reset destroys; recreate it afterwards.
    virtual void OnDeviceReset(gfx::Device* device) = 0;
    virtual void OnDeviceRestore(gfx::Device* device) = 0;
    // Video memory held, in whole MiB.
    virtual unsigned GetWastedMemory() = 0;

protected:
    IDeviceResource();
    // Copies carry nothing and are not registered.
    IDeviceResource(const IDeviceResource&) {}
    IDeviceResource& operator=(const IDeviceResource&) { return *this; }
    virtual ~IDeviceResource();

    // The one walk over the list: Begin, then while End() act on Current() and Next().
    static void Begin();
    static bool End();
    static IDeviceResource* Current();
    static void Next();
    static unsigned GetCount();
    static void SortByPriority() {}

private:
    friend class MaterialSystem;
    // True while a walk has not reached the end.
    static bool WalkOpen();

    struct Registry
    {
        std::list<IDeviceResource*> resources;
        std::list<IDeviceResource*>::iterator cursor = resources.end();
    };
    // Made on first use and never destroyed: resources that other static objects own (the
    // shader library's shaders) may leave it at exit, whatever the order of destruction.
    static Registry& List();
};
