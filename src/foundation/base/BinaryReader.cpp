#include "foundation/base/BinaryReader.h"

#include <cstring>

BinaryReader::BinaryReader(const void* data, size_t size, std::string source)
    : _data(static_cast<const uint8_t*>(data)), _size(data ? size : 0), _source(std::move(source))
{}

bool BinaryReader::Take(size_t count, const char* what)
{
    if (_failed)
        return false;
    if (count > _size - _offset)
    {
        _failed = true;
        _error = _source + ": cannot read " + what + " of " + std::to_string(count) + " bytes at offset " +
                 std::to_string(_offset) + " (size " + std::to_string(_size) + ")";
        return false;
    }
    return true;
}

uint64_t BinaryReader::Little(size_t count) const
{
    uint64_t value = 0;
    for (size_t i = 0; i < count; ++i)
        value |= static_cast<uint64_t>(_data[_offset + i]) << (8 * i);
    return value;
}

bool BinaryReader::Read(uint8_t& value)
{
    if (!Take(1, "a byte"))
        return false;
    value = _data[_offset++];
    return true;
}

bool BinaryReader::Read(uint16_t& value)
{
    if (!Take(2, "a 16-bit number"))
        return false;
    value = static_cast<uint16_t>(Little(2));
    _offset += 2;
    return true;
}

bool BinaryReader::Read(uint32_t& value)
{
    if (!Take(4, "a 32-bit number"))
        return false;
    value = static_cast<uint32_t>(Little(4));
    _offset += 4;
    return true;
}

bool BinaryReader::Read(int32_t& value)
{
    uint32_t bits;
    if (!Read(bits))
        return false;
    value = static_cast<int32_t>(bits);
    return true;
}

bool BinaryReader::Read(float& value)
{
    uint32_t bits;
    if (!Read(bits))
        return false;
    memcpy(&value, &bits, 4);
    return true;
}

bool BinaryReader::Read(uint64_t& value)
{
    if (!Take(8, "a 64-bit number"))
        return false;
    value = Little(8);
    _offset += 8;
    return true;
}

bool BinaryReader::Read(double& value)
{
    uint64_t bits;
    if (!Read(bits))
        return false;
    memcpy(&value, &bits, 8);
    return true;
}

bool BinaryReader::ReadBytes(void* out, size_t count)
{
    if (!Take(count, "a block"))
        return false;
    if (count)
        memcpy(out, _data + _offset, count);
    _offset += count;
    return true;
}

bool BinaryReader::ReadFixedString(char* out, size_t fieldSize)
{
    if (!Take(fieldSize, "a text field"))
    {
        if (out)
            out[0] = 0;
        return false;
    }
    if (fieldSize == 0)
        return true;
    const char* field = reinterpret_cast<const char*>(_data + _offset);
    size_t length = strnlen(field, fieldSize - 1);
    memcpy(out, field, length);
    out[length] = 0;
    _offset += fieldSize;
    return true;
}

bool BinaryReader::Skip(size_t count)
{
    if (!Take(count, "a skipped block"))
        return false;
    _offset += count;
    return true;
}

bool BinaryReader::Seek(size_t offset)
{
    if (_failed)
        return false;
    if (offset > _size)
    {
        _failed = true;
        _error =
            _source + ": cannot seek to offset " + std::to_string(offset) + " (size " + std::to_string(_size) + ")";
        return false;
    }
    _offset = offset;
    return true;
}
