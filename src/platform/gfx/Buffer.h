#pragma once

#include "platform/gfx/DeviceLink.h"
#include "platform/gfx/GfxTypes.h"

#include <memory>

namespace gfx {

class Device;

// A vertex or 16-bit index buffer. A lock maps a byte range for writing: LockDiscard drops
// the old contents (orphaning the storage), LockNoOverwrite maps without waiting for the GPU,
// no flag waits. Locks outside the buffer are refused. Only one range is locked at a time.
class Buffer
{
public:
    // Null when the size is 0 or the driver refuses the storage.
    static std::unique_ptr<Buffer> Create(Device& device, BufferType type, BufferUsage usage, unsigned bytes);
    ~Buffer();
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    // Null (and a logged error) when the range does not fit or the buffer is already locked.
    void* Lock(unsigned offset, unsigned bytes, unsigned lockFlags);
    void Unlock();
    bool IsLocked() const { return _locked; }
    // Copies a range out of the buffer (for checks and screenshots of geometry).
    bool Read(unsigned offset, unsigned bytes, void* out) const;

    BufferType GetType() const { return _type; }
    BufferUsage GetUsage() const { return _usage; }
    unsigned GetSize() const { return _size; }
    unsigned GetName() const { return _name; }

private:
    Buffer(Device& device, BufferType type, BufferUsage usage, unsigned bytes, unsigned name);

    DeviceLink _link;
    BufferType _type;
    BufferUsage _usage;
    unsigned _size;
    unsigned _name;
    bool _locked = false;
};

} // namespace gfx
