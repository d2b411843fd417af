#include "foundation/base/DataStream.h"

#include <algorithm>

MemStream::MemStream(void* block, unsigned long size)
    : _begin(static_cast<unsigned char*>(block)), _end(_begin ? _begin + size : nullptr), _cursor(_begin),
      _size(_begin ? static_cast<unsigned>(size) : 0), _owns(false)
{}

MemStream::MemStream(const MemStream& other) { Allocate(other._size, other._begin); }

MemStream& MemStream::operator=(const MemStream& other)
{
    if (this != &other)
        Allocate(other._size, other._begin);
    return *this;
}

MemStream::~MemStream() { Clear(); }

unsigned char* MemStream::Allocate(unsigned long size, const unsigned char* source)
{
    // Copy before freeing: the source may lie inside the block being replaced.
    unsigned char* block = new unsigned char[size ? size : 1];
    if (source)
        memcpy(block, source, size);
    Clear();
    _begin = block;
    _end = block + size;
    _cursor = block;
    _size = static_cast<unsigned>(size);
    _owns = true;
    return _begin;
}

unsigned char* MemStream::AllocateEx(unsigned long size, unsigned char fill)
{
    Allocate(size);
    memset(_begin, fill, size);
    return _begin;
}

void MemStream::Clear()
{
    if (_owns)
        delete[] _begin;
    _begin = _end = _cursor = nullptr;
    _size = 0;
    _owns = false;
}

bool MemStream::Seek(unsigned long offset, eSeekFlags origin)
{
    switch (origin)
    {
    case SEEK_FROM_BEGIN: _cursor = _begin + std::min<unsigned long>(offset, _size); break;
    case SEEK_FROM_CURRENT: _cursor += std::min<unsigned long>(offset, Left()); break;
    case SEEK_FROM_END: _cursor = _end - std::min<unsigned long>(offset, _size); break;
    }
    return true;
}

bool MemStream::Skip(unsigned long count) { return Seek(count, SEEK_FROM_CURRENT); }

unsigned MemStream::ReadData(void* buffer, unsigned size)
{
    unsigned count = std::min(size, Left());
    if (!buffer || count == 0)
        return 0;
    memcpy(buffer, _cursor, count);
    _cursor += count;
    return count;
}

unsigned MemStream::ReadString(std::string& out, char delimiter)
{
    unsigned count = 0;
    while (_cursor < _end && static_cast<char>(*_cursor) != delimiter)
    {
        out.push_back(static_cast<char>(*_cursor++));
        ++count;
    }
    return count;
}

unsigned MemStream::ReadString(char* buffer, unsigned size, char delimiter)
{
    if (!buffer || size == 0)
        return 0;
    unsigned count = 0;
    while (_cursor < _end && static_cast<char>(*_cursor) != delimiter)
    {
        if (count + 1 < size)
            buffer[count++] = static_cast<char>(*_cursor);
        ++_cursor;
    }
    if (_cursor < _end)
        ++_cursor;
    buffer[count] = 0;
    return count;
}

unsigned MemStream::WriteData(const void* data, unsigned size)
{
    unsigned count = std::min(size, Left());
    if (!data || count == 0)
        return 0;
    memcpy(_cursor, data, count);
    _cursor += count;
    return count;
}

unsigned MemStream::WriteString(const char* text, char delimiter)
{
    if (!text)
        return 0;
    unsigned length = 0;
    while (text[length] && text[length] != delimiter)
        ++length;
    return WriteData(text, length);
}

unsigned MemStream::WriteString(const char* text)
{
    return text ? WriteData(text, static_cast<unsigned>(strlen(text))) : 0;
}
