#include "foundation/base/DataStream.h"

void IDataStream::WriteLE(uint64_t value, unsigned width)
{
    unsigned char bytes[8];
    for (unsigned i = 0; i < width; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    WriteData(bytes, width);
}

uint64_t IDataStream::ReadLE(unsigned width)
{
    unsigned char bytes[8] = {};
    ReadData(bytes, width);
    uint64_t value = 0;
    for (unsigned i = 0; i < width; ++i)
        value |= static_cast<uint64_t>(bytes[i]) << (8 * i);
    return value;
}

IDataStream& IDataStream::operator<<(const std::string& text)
{
    WriteString(text.c_str());
    return *this;
}

IDataStream& IDataStream::operator<<(const char* text)
{
    WriteString(text ? text : "");
    return *this;
}

IDataStream& IDataStream::operator<<(double value)
{
    uint64_t bits;
    memcpy(&bits, &value, 8);
    WriteLE(bits, 8);
    return *this;
}

IDataStream& IDataStream::operator<<(float value)
{
    uint32_t bits;
    memcpy(&bits, &value, 4);
    WriteLE(bits, 4);
    return *this;
}

IDataStream& IDataStream::operator<<(unsigned long long value)
{
    WriteLE(value, 8);
    return *this;
}
IDataStream& IDataStream::operator<<(unsigned int value)
{
    WriteLE(value, 4);
    return *this;
}
IDataStream& IDataStream::operator<<(unsigned long value)
{
    WriteLE(static_cast<uint32_t>(value), 4);
    return *this;
}
IDataStream& IDataStream::operator<<(int value)
{
    WriteLE(static_cast<uint32_t>(value), 4);
    return *this;
}
IDataStream& IDataStream::operator<<(unsigned short value)
{
    WriteLE(value, 2);
    return *this;
}
IDataStream& IDataStream::operator<<(bool value)
{
    WriteLE(value ? 1 : 0, 1);
    return *this;
}
IDataStream& IDataStream::operator<<(unsigned char value)
{
    WriteLE(value, 1);
    return *this;
}
IDataStream& IDataStream::operator<<(char value)
{
    WriteLE(static_cast<unsigned char>(value), 1);
    return *this;
}

IDataStream& IDataStream::operator>>(std::string& text)
{
    ReadString(text, 0);
    return *this;
}

IDataStream& IDataStream::operator>>(double& value)
{
    uint64_t bits = ReadLE(8);
    memcpy(&value, &bits, 8);
    return *this;
}

IDataStream& IDataStream::operator>>(float& value)
{
    uint32_t bits = static_cast<uint32_t>(ReadLE(4));
    memcpy(&value, &bits, 4);
    return *this;
}

IDataStream& IDataStream::operator>>(unsigned long long& value)
{
    value = ReadLE(8);
    return *this;
}
IDataStream& IDataStream::operator>>(unsigned int& value)
{
    value = static_cast<unsigned int>(ReadLE(4));
    return *this;
}
IDataStream& IDataStream::operator>>(unsigned long& value)
{
    value = static_cast<uint32_t>(ReadLE(4));
    return *this;
}
IDataStream& IDataStream::operator>>(int& value)
{
    value = static_cast<int32_t>(ReadLE(4));
    return *this;
}
IDataStream& IDataStream::operator>>(unsigned short& value)
{
    value = static_cast<unsigned short>(ReadLE(2));
    return *this;
}
IDataStream& IDataStream::operator>>(bool& value)
{
    value = ReadLE(1) != 0;
    return *this;
}
IDataStream& IDataStream::operator>>(unsigned char& value)
{
    value = static_cast<unsigned char>(ReadLE(1));
    return *this;
}
IDataStream& IDataStream::operator>>(char& value)
{
    value = static_cast<char>(ReadLE(1));
    return *this;
}
