#pragma once

#include "platform/gfx/DeviceLink.h"

#include <memory>

namespace gfx {

class Device;

// An occlusion query: counts the samples that pass between Begin and End.
class Query
{
public:
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void Begin();
    void End();
    // With `wait` false, returns false while the result is not ready yet.
    bool GetResult(unsigned& samples, bool wait);

private:
    friend class Device;
    Query(Device& device, unsigned name);

    DeviceLink _link;
    unsigned _name;
};

} // namespace gfx
