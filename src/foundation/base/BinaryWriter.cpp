#include "foundation/base/BinaryWriter.h"

#include <cstring>

void BinaryWriter::Little(uint64_t value, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        _data.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void BinaryWriter::Write(uint8_t value) { Little(value, 1); }
void BinaryWriter::Write(uint16_t value) { Little(value, 2); }
void BinaryWriter::Write(uint32_t value) { Little(value, 4); }
void BinaryWriter::Write(int32_t value) { Little(static_cast<uint32_t>(value), 4); }
void BinaryWriter::Write(uint64_t value) { Little(value, 8); }

void BinaryWriter::Write(float value)
{
    uint32_t bits;
    memcpy(&bits, &value, 4);
    Little(bits, 4);
}

void BinaryWriter::Write(double value)
{
    uint64_t bits;
    memcpy(&bits, &value, 8);
    Little(bits, 8);
}

void BinaryWriter::WriteBytes(const void* data, size_t count)
{
    if (!data || !count)
        return;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    _data.insert(_data.end(), bytes, bytes + count);
}

void BinaryWriter::WriteFixedString(const char* text, size_t fieldSize)
{
    if (fieldSize == 0)
        return;
    size_t length = text ? strnlen(text, fieldSize - 1) : 0;
    WriteBytes(text, length);
    _data.insert(_data.end(), fieldSize - length, 0);
}
