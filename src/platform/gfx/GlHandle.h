#pragma once

#include <epoxy/gl.h>

#include <utility>

namespace gfx {

// One owner of one OpenGL object name; `Delete` is the matching glDelete* call.
template <void (*Delete)(GLuint)>
class GlHandle
{
public:
    GlHandle() = default;
    explicit GlHandle(GLuint name) : _name(name) {}
    ~GlHandle() { Reset(); }
    GlHandle(GlHandle&& o) noexcept : _name(std::exchange(o._name, 0)) {}
    GlHandle& operator=(GlHandle&& o) noexcept
    {
        if (this != &o)
        {
            Reset();
            _name = std::exchange(o._name, 0);
        }
        return *this;
    }
    GlHandle(const GlHandle&) = delete;
    GlHandle& operator=(const GlHandle&) = delete;

    GLuint Get() const { return _name; }
    explicit operator bool() const { return _name != 0; }
    GLuint Release() { return std::exchange(_name, 0); }
    void Reset(GLuint name = 0)
    {
        if (_name)
            Delete(_name);
        _name = name;
    }

private:
    GLuint _name = 0;
};

inline void DeleteBuffer(GLuint n) { glDeleteBuffers(1, &n); }
inline void DeleteTexture(GLuint n) { glDeleteTextures(1, &n); }
inline void DeleteFramebuffer(GLuint n) { glDeleteFramebuffers(1, &n); }
inline void DeleteVertexArray(GLuint n) { glDeleteVertexArrays(1, &n); }
inline void DeleteSampler(GLuint n) { glDeleteSamplers(1, &n); }
inline void DeleteQuery(GLuint n) { glDeleteQueries(1, &n); }
inline void DeleteProgram(GLuint n) { glDeleteProgram(n); }
inline void DeleteShader(GLuint n) { glDeleteShader(n); }

using GlBuffer = GlHandle<DeleteBuffer>;
using GlTexture = GlHandle<DeleteTexture>;
using GlFramebuffer = GlHandle<DeleteFramebuffer>;
using GlVertexArray = GlHandle<DeleteVertexArray>;
using GlSampler = GlHandle<DeleteSampler>;
using GlQuery = GlHandle<DeleteQuery>;
using GlProgram = GlHandle<DeleteProgram>;
using GlShader = GlHandle<DeleteShader>;

} // namespace gfx
