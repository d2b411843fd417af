#include "platform/gfx/Buffer.h"

#include "foundation/base/Dumper.h"
#include "platform/gfx/Device.h"

#include <epoxy/gl.h>

namespace gfx {

namespace {

GLenum UsageHint(BufferUsage usage) { return usage == BufferUsage::Dynamic ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW; }

} // namespace

// Uploads go through the copy-write target so that they never disturb the index binding
// held by whatever vertex array is bound.
std::unique_ptr<Buffer> Buffer::Create(Device& device, BufferType type, BufferUsage usage, unsigned bytes)
{
    if (bytes == 0)
        return nullptr;
    GLuint name = 0;
    glGenBuffers(1, &name);
    glBindBuffer(GL_COPY_WRITE_BUFFER, name);
    glBufferData(GL_COPY_WRITE_BUFFER, bytes, nullptr, UsageHint(usage));
    glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
    if (glGetError() != GL_NO_ERROR)
    {
        glDeleteBuffers(1, &name);
        Dumper::Instance().Print(DUMP_ERROR, "Buffer of %u bytes could not be created\n", bytes);
        return nullptr;
    }
    return std::unique_ptr<Buffer>(new Buffer(device, type, usage, bytes, name));
}

Buffer::Buffer(Device& device, BufferType type, BufferUsage usage, unsigned bytes, unsigned name)
    : _link(device), _type(type), _usage(usage), _size(bytes), _name(name)
{}

Buffer::~Buffer()
{
    if (!_link.HasContext())
        return;
    if (_locked)
        Unlock();
    if (Device* device = _link.GetDevice())
        device->ForgetBuffer(this);
    GLuint name = _name;
    glDeleteBuffers(1, &name);
}

void* Buffer::Lock(unsigned offset, unsigned bytes, unsigned lockFlags)
{
    if (_locked)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Buffer lock refused: the buffer is already locked\n");
        return nullptr;
    }
    if (bytes == 0 || offset > _size || bytes > _size - offset)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Buffer lock refused: %u bytes at %u exceed the buffer's %u bytes\n",
                                 bytes, offset, _size);
        return nullptr;
    }
    glBindBuffer(GL_COPY_WRITE_BUFFER, _name);
    GLbitfield access = GL_MAP_WRITE_BIT;
    if (lockFlags & LockDiscard)
    {
        // Orphan the whole store: the GPU keeps reading the old one while we fill a new one.
        glBufferData(GL_COPY_WRITE_BUFFER, _size, nullptr, UsageHint(_usage));
        access |= GL_MAP_UNSYNCHRONIZED_BIT;
    }
    else if (lockFlags & LockNoOverwrite)
    {
        access |= GL_MAP_UNSYNCHRONIZED_BIT;
    }
    void* data = glMapBufferRange(GL_COPY_WRITE_BUFFER, offset, bytes, access);
    glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
    if (!data)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Buffer lock of %u bytes at %u failed\n", bytes, offset);
        return nullptr;
    }
    _locked = true;
    return data;
}

void Buffer::Unlock()
{
    if (!_locked)
        return;
    glBindBuffer(GL_COPY_WRITE_BUFFER, _name);
    glUnmapBuffer(GL_COPY_WRITE_BUFFER);
    glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
    _locked = false;
}

bool Buffer::Read(unsigned offset, unsigned bytes, void* out) const
{
    if (_locked || offset > _size || bytes > _size - offset)
        return false;
    glBindBuffer(GL_COPY_READ_BUFFER, _name);
    glGetBufferSubData(GL_COPY_READ_BUFFER, offset, bytes, out);
    glBindBuffer(GL_COPY_READ_BUFFER, 0);
    return true;
}

} // namespace gfx
