#include "foundation/base/Format.h"

#include <cstdarg>
#include <cstdio>

thread_local char Format::_buff[Format::BufferSize];

Format::Format(const char* fmt, ...)
{
    _buff[0] = 0;
    if (!fmt || !*fmt)
        return;
    va_list args;
    va_start(args, fmt);
    vsnprintf(_buff, BufferSize, fmt, args);
    va_end(args);
}
