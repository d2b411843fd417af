#include "platform/gfx/Query.h"

#include <epoxy/gl.h>

namespace gfx {

Query::Query(Device& device, unsigned name) : _link(device), _name(name) {}

Query::~Query()
{
    if (!_link.HasContext())
        return;
    GLuint name = _name;
    glDeleteQueries(1, &name);
}

void Query::Begin() { glBeginQuery(GL_SAMPLES_PASSED, _name); }

void Query::End() { glEndQuery(GL_SAMPLES_PASSED); }

bool Query::GetResult(unsigned& samples, bool wait)
{
    if (!wait)
    {
        GLuint ready = GL_FALSE;
        glGetQueryObjectuiv(_name, GL_QUERY_RESULT_AVAILABLE, &ready);
        if (!ready)
            return false;
    }
    GLuint value = 0;
    glGetQueryObjectuiv(_name, GL_QUERY_RESULT, &value);
    samples = value;
    return true;
}

} // namespace gfx
